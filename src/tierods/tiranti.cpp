#include "tierods/tiranti.h"

#include "shell/datifrontespizio.h"
#include "shell/campi.h"
#include "shell/controlli.h"
#include "shell/modrinsal.h"
#include "shell/numeri.h"
#include "shell/stampa.h"
#include "tierods/archivio.h"
#include "tierods/stampe.h"
#include "tierods/testi.h"

#include <QApplication>

namespace T = testi_tiranti;
using namespace modtiranti;
using platform::Icona;
using platform::Pulsanti;
using platform::Risposta;

using namespace controlli;

namespace {

QRect twips(int l, int t, int w, int h) { return QRect(tw(l), tw(t), tw(w), tw(h)); }


ConfigFinestra configurazione()
{
    ConfigFinestra c;
    c.numero = 4;
    c.caption = T::kTitoloFinestra;
    c.nomeDomanda = T::kNomeFinestra;
    c.tipoCalcolo = 2;
    c.prefisso = T::kPrefisso;
    c.guida = IdFinestra::GuidaTiranti;
    c.titoloColore = T::kTitoloColore;
    c.grigioAnche = {IdFinestra::Frontespizio};
    c.aiuto = T::kAiuto.split(QLatin1Char('\r'));
    c.archivioVuotoControllato = true;
    c.frontespizioNelFile = true;
    c.cancellaPrimaDiAprire = true;
    return c;
}

} // namespace

tiranti::tiranti(QWidget* parent)
    : FinestraRighe(configurazione(), kRighe, parent)
{
    QWidget* s = superficie();

    QFont didascalia = font();
    didascalia.setPointSizeF(6.5);
    QFont valori = font();
    valori.setPointSizeF(7.5);
    // Result cells are as narrow as the fields but carry no scrolling: a
    // size smaller still keeps "-0,0342" whole.
    QFont cifre = font();
    cifre.setPointSizeF(6.8);
    QFont nota = font();
    nota.setPointSizeF(7);
    const auto centro = Qt::AlignHCenter | Qt::AlignVCenter;
    const auto sinistra = Qt::AlignLeft | Qt::AlignVCenter;

    // Row count and advice.
    etichetta(s, T::kNTiranti, twips(120, 600, 1935, 375), nota, Qt::AlignRight | Qt::AlignVCenter,
              T::kNTirantiTooltip);
    label1_ = etichetta(s, QString(), twips(2040, 600, 735, 375), nota, centro, T::kNTirantiTooltip);
    label1_->setObjectName(QStringLiteral("Label1"));
    QFont grassetto = nota;
    grassetto.setBold(true);
    label1_->setFont(grassetto);
    auto* consigli = etichetta(s, T::kConsigli, twips(3360, 600, 6015, 450), didascalia, sinistra,
                               T::kConsigliTooltip);
    consigli->setObjectName(QStringLiteral("Label53"));

    // Data area: captions, units, five lines of nine fields.
    etichetta(s, T::kNum, twips(480, 1560, 375, 255), didascalia, centro, T::kNumTooltip);
    std::vector<Colonna> colonne;
    for (int c = 0; c < kCampi; ++c) {
        const auto i = std::size_t(c);
        colonne.push_back(
            {T::kNomiCampi[i], T::kDidascalie[i], T::kUnita[i], T::kSuggerimenti[i], 960 + 600 * c, 0, {}, {}});
    }
    costruisciCampi(colonne, {1080, 495, 1560, 255, 1920, 615, 285, 240}, didascalia, valori);
    costruisciNumeri(480, 375, 1920, 255, valori, T::kNumCopiaTooltip);
    costruisciBarraRighe(120, 1920, 255, 3495);

    // Table of admissible tensions.
    auto* tabella = etichetta(s, T::kTabellaTrazioni, twips(6480, 1080, 2895, 735), didascalia,
                              Qt::AlignLeft | Qt::AlignBottom, T::kTabellaTrazioniTooltip);
    tabella->setObjectName(QStringLiteral("Label15"));
    static const char* const kNomiMalte[5] = {"Label17", "Label29", "Label33", "Label52", "Label54"};
    for (int k = 1; k <= 5; ++k) {
        const int y = 1920 + 240 * (k - 1);
        auto* b = new QPushButton(s);
        b->setGeometry(twips(6480, y, 255, 255));
        b->setToolTip(T::kMaltTooltip);
        b->setObjectName(QStringLiteral("malt%1").arg(k));
        connect(b, &QPushButton::clicked, this, [this, k] { malt_Click(k); });
        malt_[std::size_t(k)] = b;
        auto* l = etichetta(s, T::kMalte[std::size_t(k - 1)], twips(6720, y, 2655, 255), nota, sinistra,
                            T::kMalteTooltip[std::size_t(k - 1)]);
        l->setObjectName(QLatin1String(kNomiMalte[k - 1]));
        l->setIndent(4);
        l->setCursor(Qt::PointingHandCursor);
        l->installEventFilter(this);
        etichetteMalta_[std::size_t(k)] = l;
    }

    // Results.
    for (int c = 0; c < 7; ++c) {
        const int x = 960 + 600 * c;
        etichetta(s, T::kDidascalieRisultati[std::size_t(c)], twips(x, 3360, 615, 495), didascalia, centro,
                  T::kSuggerimentiRisultati[std::size_t(c)]);
        etichetta(s, T::kUnitaRisultati[std::size_t(c)], twips(x, 3840, 615, 255), didascalia, centro,
                  T::kSuggerimentiRisultati[std::size_t(c)]);
        for (int k = 1; k <= 5; ++k) {
            risultati_[std::size_t(c)][std::size_t(k)] =
                cella(s, twips(x, 4200 + 240 * (k - 1), 615, 255), cifre, T::kSuggerimentiRisultati[std::size_t(c)]);
        }
    }
    for (int k = 1; k <= 5; ++k) {
        auto* r = etichetta(s, QString::number(k), twips(480, 4200 + 240 * (k - 1), 375, 255), valori, centro,
                            T::kNumTooltip);
        r->setObjectName(QStringLiteral("ris%1").arg(k));
        ris_lab_[std::size_t(k)] = r;
    }

    // Temperature table.
    etichetta(s, T::kTiranteNum, twips(5280, 3360, 495, 495), didascalia, centro, T::kTiranteNumTooltip);
    tirtem_ = cella(s, twips(5280, 3840, 495, 255), valori, T::kNumTooltip);
    tirtem_->setAlignment(centro);
    tirtem_->setObjectName(QStringLiteral("tirtem"));
    for (int c = 0; c < 6; ++c) {
        const int x = 5760 + 600 * c;
        etichetta(s, T::kDidascalieTemperature[std::size_t(c)], twips(x, 3360, 615, 495), didascalia, centro,
                  T::kSuggerimentiTemperature[std::size_t(c)]);
        etichetta(s, T::kUnitaTemperature[std::size_t(c)], twips(x, 3840, 615, 255), didascalia, centro,
                  T::kSuggerimentiTemperature[std::size_t(c)]);
        for (int k = 1; k <= 5; ++k) {
            temperature_[std::size_t(c)][std::size_t(k)] =
                cella(s, twips(x, 4200 + 240 * (k - 1), 615, 255), cifre, T::kSuggerimentiTemperature[std::size_t(c)]);
        }
    }
    vscroll2_ = new QScrollBar(Qt::Vertical, s);
    vscroll2_->setObjectName(QStringLiteral("VScroll2"));
    vscroll2_->setGeometry(twips(5400, 4200, 255, 1215));
    vscroll2_->setRange(1, 97);
    vscroll2_->setSingleStep(1);
    vscroll2_->setPageStep(5);
    vscroll2_->setValue(1);
    connect(vscroll2_, &QScrollBar::valueChanged, this, [this] { VScroll2_Change(); });

    // Load.
    completaCaricamento();
    GuidaTiranti();
    LineaCorrente = 1;
    RigaInizio = 1;
}

// ---- input ---------------------------------------------------------------------

void tiranti::campo_Change(int c, int linea)
{
    QLineEdit& f = *campo(c, linea);
    if (c == Spes) {
        LineaCorrente = linea;
    }
    // A pitch follows the plain pattern too: a rejected or deleted pitch is
    // stored empty, as the field shows it, instead of keeping the old value.
    if (!cambioCampoRiga(f, dati_.colonna(c), RigaInizio, linea, VarianteCampo::Normale, RigaCorrente)) {
        return;
    }
    if (c == Spes) {
        ContaTiranti();
        if (!dati_.spes[RigaCorrente].isEmpty() && dati_.coeff[RigaCorrente].isEmpty()) {
            campo(Coeff, linea)->setText(T::kCoeffPredefinito);
        }
    }
    if (rinviaCalcolo()) {
        return;
    }
    calcoloRinviato();
}

void tiranti::calcoloRinviato()
{
    GuidaTiranti();
    VScroll2_Change();
}

void tiranti::ContaTiranti()
{
    NumeroTiranti = modtiranti::ContaTiranti(dati_);
    label1_->setText(QString::number(NumeroTiranti));
}

void tiranti::GuidaTiranti()
{
    passo()->setText(testoGuida(dati_, NumeroTiranti, LineaCorrente + RigaInizio - 1));
}

void tiranti::malt_Click(int k)
{
    if (k < 1 || k > 5) {
        return;
    }
    campo(Traz, 1)->setText(T::kMalteValori[std::size_t(k - 1)]);
    if (k == 5) {
        platform::messaggi().mostra(T::kMalteScadenti, ModRinsal::TitoloControllo, Icona::Informazione,
                                    Pulsanti::Ok, Risposta::Ok);
    }
}

// ---- calculation and refresh -------------------------------------------------------

void tiranti::CalcolaTiranti()
{
    GuidaTiranti();
    const EsitoCalcolo esito = modtiranti::CalcolaTiranti(dati_, NumeroTiranti, ris_);
    switch (esito.fine) {
    case FineCalcolo::Completo:
        VScroll1_Change();
        break;
    case FineCalcolo::Incompleto:
        break;
    case FineCalcolo::Impossibile:
        passo()->setText(esito.nota);
        break;
    }
}

void tiranti::VScroll1_Change()
{
    Occupato occupato;
    RigaInizio = VScroll1()->value();
    tirtem_->setText(QString::number(RigaInizio));
    mostraCampi();
    for (int k = 1; k <= 5; ++k) {
        const int r = RigaInizio + k - 1;
        num(k)->setText(QString::number(r));
        ris_lab_[std::size_t(k)]->setText(QString::number(r));
        for (int c = 0; c < 7; ++c) {
            risultato(c, k)->setText(mostra(ris_.colonna(c)[r]));
        }
    }
    if (RigaInizio > NumeroTiranti) {
        for (int c = 0; c < 6; ++c) {
            for (int k = 1; k <= 5; ++k) {
                temperatura(c, k)->clear();
            }
        }
    } else {
        mostraTabella();
    }
}

void tiranti::VScroll2_Change()
{
    Occupato occupato;
    CalcolaTiranti();
    mostraTabella();
}

void tiranti::mostraTabella()
{
    const int v = vscroll2_->value();
    const int r = std::clamp(RigaInizio, 1, kRighe);
    const TabellaTemperature& t = ris_.tabella[std::size_t(r)];
    for (int k = 1; k <= 5; ++k) {
        const int j = std::clamp(v + k - 1, 1, kTemperature);
        temperatura(0, k)->setText(QString::number(j - 41));
        const double valori[5] = {t.ttir[std::size_t(j)], t.sigatt[std::size_t(j)], t.dilat[std::size_t(j)],
                                  t.traen[std::size_t(j)], t.freq[std::size_t(j)]};
        for (int c = 1; c < 6; ++c) {
            temperatura(c, k)->setText(t.presente ? numeri::testo(valori[c - 1]) : QString());
        }
    }
}

// ---- data check and clearing ---------------------------------------------------------

std::optional<FinestraRighe::Mancante> tiranti::primoMancante() const
{
    if (const auto m = modtiranti::primoMancante(dati_, NumeroTiranti)) {
        return Mancante{m->riga, int(m->campo)};
    }
    return std::nullopt;
}

QString tiranti::testoNessunDato() const { return T::kNessunDato; }

QString tiranti::testoMancante(const Mancante& m) const
{
    return T::kGuidaTirante + numeri::stampa(m.riga) + QStringLiteral(": ") + QLatin1Char('\r') +
           T::kControlloDigitare + T::kControlloCampi[std::size_t(m.campo)];
}

void tiranti::cancella_click()
{
    // Every row, not only the counted ones: a row typed beyond a gap must not
    // survive a clearing or an Open.
    dati_.svuota();
    for (int r = 0; r <= kRighe; ++r) {
        ris_.svuotaRiga(r);
    }
    NumeroTiranti = 0;
    // Fields first: their handlers refresh the table, which is emptied after.
    svuotaCampi();
    label1_->clear();
    for (int k = 1; k <= 5; ++k) {
        for (int c = 0; c < 7; ++c) {
            risultato(c, k)->clear();
        }
        for (int c = 0; c < 6; ++c) {
            temperatura(c, k)->clear();
        }
    }
    tirtem_->clear();
    GuidaTiranti();
}

// ---- archive -------------------------------------------------------------------------

void tiranti::scriviDati(archivio::ScrittoreRecord& w)
{
    scriviTiranti(w, dati_, NumeroTiranti);
    scriviFrontespizio(w);
}

void tiranti::leggiDati(archivio::LettoreRecord& r)
{
    // Rows go straight into the arrays, so a broken file leaves what was read.
    NumeroTiranti = 0;
    NumeroTiranti = leggiTiranti(r, dati_);
    leggiFrontespizio(r);
}

void tiranti::dopoApertura()
{
    // The refresh puts the texts into the fields, whose handlers recount and
    // recalculate; the explicit pass covers rows that are not on screen.
    VScroll1_Change();
    ContaTiranti();
    CalcolaTiranti();
}

// ---- printouts -----------------------------------------------------------------------

void tiranti::acquisizionedati_Click()
{
    auto p = stampa::apriLavoro();
    if (!p) {
        return;
    }
    stampaModulo(*p);
}

void tiranti::stampa_click()
{
    auto p = stampa::apriLavoro();
    if (!p) {
        return;
    }
    stampaDatiSu(*p);
}

void tiranti::stampaDatiSu(platform::Stampante& p)
{
    const bool relazione = ModRinsal::StampaCompleta == QStringLiteral("sì");
    const QString progetto = progettoFrontespizio();
    stampaDatiRisultati(p, dati_, ris_, NumeroTiranti, progetto, relazione);
}

// ---- mouse ---------------------------------------------------------------------------

bool tiranti::clicAltro(QObject* o)
{
    for (int k = 1; k <= 5; ++k) {
        if (o == etichetteMalta_[std::size_t(k)]) {
            malt_Click(k);
            return true;
        }
    }
    return false;
}
