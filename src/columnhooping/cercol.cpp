#include "columnhooping/cercol.h"

#include "columnhooping/archivio.h"
#include "columnhooping/stampe.h"
#include "columnhooping/testi.h"
#include "shell/datifrontespizio.h"
#include "shell/campi.h"
#include "shell/controlli.h"
#include "shell/modrinsal.h"
#include "shell/numeri.h"
#include "shell/stampa.h"

#include <QApplication>

namespace T = testi_cercol;
using namespace modcercol;
using platform::Icona;
using platform::Pulsanti;
using platform::Risposta;

using namespace controlli;

namespace {

QRect twips(int l, int t, int w, int h) { return QRect(tw(l), tw(t), tw(w), tw(h)); }


ConfigFinestra configurazione()
{
    ConfigFinestra c;
    c.numero = 5;
    c.caption = T::kTitoloFinestra;
    c.nomeDomanda = T::kNomeFinestra;
    c.tipoCalcolo = 3;
    c.prefisso = T::kPrefisso;
    c.guida = IdFinestra::GuidaCercol;
    c.controlla = true;
    c.suggerimenti = false;
    c.aiuto = T::kAiuto.split(QLatin1Char('\r'));
    c.archivioVuotoControllato = false;
    c.frontespizioNelFile = true;
    c.cancellaPrimaDiAprire = true;
    return c;
}

void avviso(const QString& testo, Icona icona)
{
    platform::messaggi().mostra(testo, ModRinsal::TitoloControllo, icona, Pulsanti::Ok, Risposta::Ok);
}

// x of an input column: `elic` leaves room for its scroll bar.
int xCampo(int c) { return c == Rag ? 1800 : c == Elic ? 2400 : 3360 + 600 * (c - Car); }

} // namespace

cercol::cercol(QWidget* parent)
    : FinestraRighe(configurazione(), kRighe, parent)
{
    QWidget* s = superficie();

    QFont didascalia = font();
    didascalia.setPointSizeF(6.5);
    QFont valori = font();
    valori.setPointSizeF(7.5);
    QFont cifre = font();
    cifre.setPointSizeF(6.8);
    QFont nota = font();
    nota.setPointSizeF(7);
    const auto centro = Qt::AlignHCenter | Qt::AlignVCenter;

    // Row count and type.
    auto* label51 = etichetta(s, T::kNConsolidamenti, twips(360, 600, 2535, 345), nota,
                              Qt::AlignRight | Qt::AlignVCenter, T::kNConsolidamentiTooltip);
    label51->setObjectName(QStringLiteral("Label51"));
    label1_ = etichetta(s, QString(), twips(2880, 600, 735, 345), nota, centro, T::kNConsolidamentiTooltip);
    label1_->setObjectName(QStringLiteral("Label1"));
    QFont grassetto = nota;
    grassetto.setBold(true);
    label1_->setFont(grassetto);
    for (int k = 1; k <= 2; ++k) {
        auto* o = new QRadioButton(T::kOpzioni[std::size_t(k - 1)], s);
        o->setGeometry(k == 1 ? twips(3840, 600, 2415, 375) : twips(6480, 600, 2655, 375));
        o->setFont(nota);
        o->setToolTip(T::kOpzioniTooltip[std::size_t(k - 1)]);
        o->setObjectName(QStringLiteral("Option1_%1").arg(k));
        // Runs when the option becomes selected, by a click or by an Open.
        connect(o, &QRadioButton::toggled, this, [this, k](bool scelto) {
            if (scelto) {
                Option1_Click(k);
            }
        });
        opzioni_[std::size_t(k)] = o;
    }

    // Data area.
    auto* label65 = etichetta(s, T::kNum, twips(1200, 1680, 495, 255), didascalia, centro, T::kNumTooltip);
    label65->setObjectName(QStringLiteral("Label65"));
    std::vector<Colonna> colonne;
    for (int c = 0; c < kCampi; ++c) {
        const auto i = std::size_t(c);
        colonne.push_back({T::kNomiCampi[i], T::kDidascalie[i], T::kUnita[i], T::kSuggerimenti[i], xCampo(c),
                           c == Elic ? 975 : 0, QStringLiteral("lab%1").arg(c + 1),
                           QStringLiteral("lb%1").arg(c + 1)});
    }
    costruisciCampi(colonne, {1200, 495, 1680, 255, 2040, 615, 285, 240}, didascalia, valori);
    costruisciNumeri(1200, 495, 2040, 255, valori, T::kNumCopiaTooltip);
    for (int k = 1; k <= 5; ++k) {
        auto* b = new QScrollBar(Qt::Vertical, s);
        b->setGeometry(twips(3000, 2040 + 240 * (k - 1), 375, 255));
        b->setRange(6, 20);
        b->setSingleStep(1);
        b->setPageStep(1);
        b->setValue(6);
        b->setObjectName(QStringLiteral("VScroll3_%1").arg(k));
        connect(b, &QScrollBar::valueChanged, this, [this, k] { VScroll3_Change(k); });
        vscroll3_[std::size_t(k)] = b;
    }
    costruisciBarraRighe(720, 2040, 375, 1215);

    // Hot results table.
    auto* label36 = etichetta(s, T::kCerchiaturaNum, twips(600, 3480, 615, 495), didascalia, centro,
                              T::kCerchiaturaNumTooltip);
    label36->setObjectName(QStringLiteral("Label36"));
    numcon_ = cella(s, twips(600, 3960, 615, 255), valori, T::kCerchiaturaNumTooltip);
    numcon_->setAlignment(centro);
    numcon_->setObjectName(QStringLiteral("numcon"));
    for (int c = 0; c < 13; ++c) {
        const int x = 1200 + 600 * c;
        etichetta(s, T::kDidascalieCaldo[std::size_t(c)], twips(x, 3480, 615, 495), didascalia, centro,
                  T::kSuggerimentiCaldo[std::size_t(c)]);
        etichetta(s, T::kUnitaCaldo[std::size_t(c)], twips(x, 3960, 615, 255), didascalia, centro,
                  T::kSuggerimentiCaldo[std::size_t(c)]);
        for (int k = 1; k <= 5; ++k) {
            caldo_[std::size_t(c)][std::size_t(k)] =
                cella(s, twips(x, 4320 + 240 * (k - 1), 615, 255), cifre, T::kSuggerimentiCaldo[std::size_t(c)]);
        }
    }
    vscroll2_ = new QScrollBar(Qt::Vertical, s);
    vscroll2_->setObjectName(QStringLiteral("VScroll2"));
    vscroll2_->setGeometry(twips(720, 4320, 375, 1215));
    vscroll2_->setRange(1, 97);
    vscroll2_->setSingleStep(1);
    vscroll2_->setPageStep(5);
    vscroll2_->setValue(1);
    connect(vscroll2_, &QScrollBar::valueChanged, this, [this] { VScroll2_Change(); });

    // Cold results frame, over the hot table while visible.
    affreddo_ = new QGroupBox(T::kFreddo, s);
    affreddo_->setObjectName(QStringLiteral("affreddo"));
    affreddo_->setGeometry(twips(480, 3360, 8535, 2295));
    affreddo_->setFont(nota);
    affreddo_->setAutoFillBackground(true);
    affreddo_->setVisible(false);
    auto* label2 = etichetta(affreddo_, T::kNum, twips(2160, 720, 495, 255), didascalia, centro, T::kNumTooltip);
    label2->setObjectName(QStringLiteral("Label2"));
    for (int k = 1; k <= 5; ++k) {
        auto* r = etichetta(affreddo_, QString::number(k), twips(2160, 960 + 240 * (k - 1), 495, 255), valori,
                            centro, T::kNumTooltip);
        r->setObjectName(QStringLiteral("rum%1").arg(k));
        rum_[std::size_t(k)] = r;
    }
    for (int c = 0; c < 5; ++c) {
        const int x = 2760 + 600 * c;
        etichetta(affreddo_, T::kDidascalieFreddo[std::size_t(c)], twips(x, 240, 615, 495), didascalia, centro,
                  T::kSuggerimentiFreddo[std::size_t(c)]);
        etichetta(affreddo_, T::kUnitaFreddo[std::size_t(c)], twips(x, 720, 615, 255), didascalia, centro,
                  T::kSuggerimentiFreddo[std::size_t(c)]);
        for (int k = 1; k <= 5; ++k) {
            freddo_[std::size_t(c)][std::size_t(k)] = cella(affreddo_, twips(x, 960 + 240 * (k - 1), 615, 255), cifre,
                                                            T::kSuggerimentiFreddo[std::size_t(c)]);
        }
    }
    note_ = etichetta(affreddo_, QString(), twips(6000, 720, 2175, 1095), nota, Qt::AlignLeft | Qt::AlignTop,
                      T::kNoteTooltip);
    note_->setObjectName(QStringLiteral("note"));

    // Load.
    completaCaricamento();
    GuidaCerchiature();
    LineaCorrente = 1;
    RigaInizio = 1;
}

// ---- type and input ---------------------------------------------------------------

void cercol::Option1_Click(int k)
{
    TipoCerchiatura = k;
    BloccaCampi();
    if (k == kFreddo) {
        affreddo_->setVisible(true);
        AbilitaFreddo();
    } else {
        affreddo_->setVisible(false);
        AbilitaCaldo();
    }
}

void cercol::abilita(int daCampo, int aCampo, bool si)
{
    for (int c = daCampo; c <= aCampo; ++c) {
        abilitaColonna(c, si);
    }
}

void cercol::BloccaCampi()
{
    abilita(Elic, Longh, false);
    for (int k = 1; k <= 5; ++k) {
        vscroll3_[std::size_t(k)]->setEnabled(false);
    }
}

void cercol::AbilitaFreddo()
{
    abilita(Elic, Alt, true);
    for (int k = 1; k <= 5; ++k) {
        vscroll3_[std::size_t(k)]->setEnabled(true);
    }
}

void cercol::AbilitaCaldo() { abilita(Fes, Longh, true); }

void cercol::campo_Change(int c, int linea)
{
    QLineEdit& f = *campo(c, linea);
    if (c == Rag) {
        if (TipoCerchiatura == 0) {
            // An emptied field (clearing, Open) is no typing to refuse.
            if (!f.text().isEmpty()) {
                avviso(T::kSceglierePrima, Icona::Esclamativa);
            }
            return;
        }
        LineaCorrente = linea;
    } else if (c == Elic) {
        note_->clear();
    }
    if (!cambioCampoRiga(f, dati_.colonna(c), RigaInizio, linea, VarianteCampo::Normale, RigaCorrente)) {
        return;
    }
    if (c == Rag) {
        ContaCerchiature();
    } else if (c == Elic && numeri::numeroIniziale(f.text()) > 10) {
        note_->setText(T::kNotaDiametro);
    }
    if (rinviaCalcolo()) {
        return;
    }
    calcoloRinviato();
}

void cercol::calcoloRinviato()
{
    GuidaCerchiature();
    VScroll2_Change();
}

void cercol::VScroll3_Change(int linea)
{
    note_->clear();
    const int r = std::clamp(RigaInizio + linea - 1, 1, kRighe);
    const int v = vscroll3_[std::size_t(linea)]->value();
    dati_.colonna(Elic)[std::size_t(r)] = QString::number(v);
    if (v > 10) {
        note_->setText(T::kNotaDiametro);
    }
    CalcolaCerchiature();
    // The field shows the new diameter even when the pass stopped early.
    campo(Elic, linea)->setText(dati_.valore(Elic, r));
}

void cercol::ContaCerchiature()
{
    NumeroCerchiature = modcercol::ContaCerchiature(dati_);
    label1_->setText(QString::number(NumeroCerchiature));
}

void cercol::GuidaCerchiature()
{
    if (NumeroCerchiature != 0) {
        RigaCorrente = RigaInizio + LineaCorrente - 1;
    }
    passo()->setText(testoGuida(dati_, TipoCerchiatura, NumeroCerchiature, RigaInizio + LineaCorrente - 1));
}

// ---- calculation and refresh -------------------------------------------------------

void cercol::CalcolaCerchiature()
{
    const EsitoCalcolo esito = modcercol::CalcolaCerchiature(dati_, TipoCerchiatura, NumeroCerchiature, ris_);
    if (esito.nota) {
        note_->setText(*esito.nota);
    }
    switch (esito.fine) {
    case FineCalcolo::Completo:
        VScroll1_Change();
        break;
    case FineCalcolo::Incompleto:
        break;
    case FineCalcolo::Impossibile:
        passo()->setText(esito.guida);
        break;
    }
}

void cercol::VScroll1_Change()
{
    Occupato occupato;
    RigaInizio = VScroll1()->value();
    numcon_->setText(QString::number(RigaInizio));
    mostraCampi();
    for (int k = 1; k <= 5; ++k) {
        const int r = RigaInizio + k - 1;
        num(k)->setText(QString::number(r));
        rum_[std::size_t(k)]->setText(QString::number(r));
        for (int c = 0; c < 5; ++c) {
            freddo(c, k)->setText(mostra(ris_.valoreFreddo(c, r)));
        }
    }
    if (RigaInizio > NumeroCerchiature) {
        for (int c = 0; c < 13; ++c) {
            for (int k = 1; k <= 5; ++k) {
                caldo(c, k)->clear();
            }
        }
    } else {
        mostraTabella();
    }
}

void cercol::VScroll2_Change()
{
    Occupato occupato;
    CalcolaCerchiature();
    mostraTabella();
}

void cercol::mostraTabella()
{
    const int v = vscroll2_->value();
    const int r = std::clamp(RigaInizio, 1, kRighe);
    for (int k = 1; k <= 5; ++k) {
        const int j = v + k - 1;
        caldo(0, k)->setText(QString::number(j - 41));
        for (int c = 0; c < kColonneCaldo; ++c) {
            caldo(c + 1, k)->setText(mostra(ris_.valoreCaldo(c, r, j)));
        }
    }
}

// ---- data check and clearing ---------------------------------------------------------

std::optional<FinestraRighe::Mancante> cercol::primoMancante() const
{
    if (const auto m = modcercol::primoMancante(dati_, TipoCerchiatura, NumeroCerchiature)) {
        return Mancante{m->riga, int(m->campo)};
    }
    return std::nullopt;
}

QString cercol::testoNessunDato() const { return T::kNessunDato; }

QString cercol::testoMancante(const Mancante& m) const
{
    return T::kGuidaCerchiatura + numeri::stampa(m.riga) + QStringLiteral(": ") + QLatin1Char('\r') +
           T::kControlloDigitare + T::kControlloCampi[std::size_t(m.campo)];
}

void cercol::cancella_click()
{
    // Every row, not only the counted ones: a row typed beyond a gap must not
    // survive a clearing or an Open.
    dati_.svuota();
    for (int r = 0; r <= kRighe; ++r) {
        ris_.svuotaRiga(r);
    }
    NumeroCerchiature = 0;
    // Fields first: their handlers recount and refresh the tables, which are
    // emptied after.
    svuotaCampi();
    label1_->clear();
    for (int k = 1; k <= 5; ++k) {
        for (int c = 0; c < 13; ++c) {
            caldo(c, k)->clear();
        }
        for (int c = 0; c < 5; ++c) {
            freddo(c, k)->clear();
        }
    }
    numcon_->clear();
    note_->clear();
    GuidaCerchiature();
}

// ---- archive -------------------------------------------------------------------------

void cercol::scriviDati(archivio::ScrittoreRecord& w)
{
    scriviCerchiature(w, dati_, NumeroCerchiature, TipoCerchiatura);
    scriviFrontespizio(w);
}

void cercol::leggiDati(archivio::LettoreRecord& r)
{
    // Rows go straight into the arrays, so a broken file leaves what was read.
    tipoLetto_ = 0;
    NumeroCerchiature = 0;
    NumeroCerchiature = leggiCerchiature(r, dati_, tipoLetto_);
    leggiFrontespizio(r);
}

void cercol::dopoApertura()
{
    // Selecting an option that is already selected runs nothing.
    if (tipoLetto_ == kCaldo || tipoLetto_ == kFreddo) {
        opzioni_[std::size_t(tipoLetto_)]->setChecked(true);
    }
    tipoLetto_ = 0;
    // The refresh puts the texts into the fields, whose handlers recount and
    // recalculate; the explicit pass covers rows that are not on screen.
    VScroll1_Change();
    ContaCerchiature();
    GuidaCerchiature();
    VScroll2_Change();
}

// ---- printouts -----------------------------------------------------------------------

void cercol::acquisizionedati_Click()
{
    auto p = stampa::apriLavoro();
    if (!p) {
        return;
    }
    stampaModulo(*p);
}

void cercol::stampa_click()
{
    // The rows are scrolled through first, as the user would see them.
    for (int v = 6; v <= NumeroCerchiature && NumeroCerchiature > 5; v += 5) {
        VScroll1()->setValue(std::min(v, VScroll1()->maximum()));
    }
    auto p = stampa::apriLavoro();
    if (!p) {
        return;
    }
    const QString progetto = progettoFrontespizio();
    const bool relazione = ModRinsal::StampaCompleta == QStringLiteral("sì");
    stampaDatiRisultati(*p, dati_, ris_, TipoCerchiatura, NumeroCerchiature, progetto, relazione);
}

std::optional<ChiusuraRelazione> cercol::chiusuraRelazione() const
{
    if (NumeroCerchiature == 0) {
        return std::nullopt;
    }
    return ChiusuraRelazione{{}, TipoCerchiatura};
}
