#include "stitching/cuciture.h"

#include "shell/datifrontespizio.h"
#include "shell/campi.h"
#include "shell/controlli.h"
#include "shell/modrinsal.h"
#include "shell/numeri.h"
#include "shell/stampa.h"
#include "stitching/archivio.h"
#include "stitching/stampe.h"
#include "stitching/testi.h"

#include <QEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace T = testi_cuciture;
using namespace modcuciture;

using namespace controlli;

namespace {

QRect twips(int l, int t, int w, int h) { return QRect(tw(l), tw(t), tw(w), tw(h)); }


// Fields that only one type uses, and whose captions go grey with them.
constexpr Campo kSpecifici[] = {Car, Fesc, Fesl, Tens, Temp, Rott, Rond};
// Fields with a row scroll bar beside them, in the order of barreRiga_.
constexpr Campo kConBarra[] = {Diam, Pas, Temp, Rond};

ConfigFinestra configurazione()
{
    ConfigFinestra c;
    c.numero = 7;
    c.caption = T::kTitoloFinestra;
    c.nomeDomanda = T::kNomeFinestra;
    c.tipoCalcolo = 5;
    c.prefisso = T::kPrefisso;
    c.guida = IdFinestra::GuidaCuciture;
    c.pulsante2 = ConfigFinestra::Pulsante2::FrontespizioF;
    c.tooltipSommario = true;
    c.aiuto = T::kAiuto.split(QLatin1Char('\r'));
    c.frontespizioNelFile = true;
    c.cancellaPrimaDiAprire = false;
    return c;
}

} // namespace

cuciture::cuciture(QWidget* parent)
    : FinestraCalcolo(configurazione(), parent)
{
    QWidget* s = superficie();
    s->setMouseTracking(true);
    s->installEventFilter(this);

    QFont nota = font();
    nota.setPointSizeF(7);
    QFont grassetto = nota;
    grassetto.setBold(true);

    etichetta(s, T::kNConsolidamenti, twips(120, 600, 1500, 285), nota, Qt::AlignRight | Qt::AlignVCenter,
              T::kNConsolidamentiTooltip);
    conteggio_ = etichetta(s, QString(), twips(1680, 600, 600, 285), grassetto, Qt::AlignCenter,
                           T::kNConsolidamentiTooltip);
    conteggio_->setObjectName(QStringLiteral("Label1"));

    for (int k = 1; k <= 2; ++k) {
        auto* o = new QRadioButton(k == 1 ? T::kOpzioneCaldo : T::kOpzioneFreddo, s);
        o->setGeometry(twips(k == 1 ? 3000 : 6000, 600, 2900, 285));
        o->setFont(nota);
        o->setObjectName(QStringLiteral("Option1_%1").arg(k));
        if (k == 2) {
            o->setToolTip(T::kOpzioneFreddoTooltip);
        }
        connect(o, &QRadioButton::clicked, this, [this, k] { Option1_Click(k); });
        opzioni_[std::size_t(k)] = o;
    }

    costruisciDati();
    costruisciCaldo();
    costruisciFreddo();

    // Load: nothing typed until a type is chosen.
    frameDati_->setEnabled(false);
    frameFreddo_->hide();
    for (Campo c : kSpecifici) {
        didascalia(c, 0)->setEnabled(false);
        didascalia(c, 1)->setEnabled(false);
        for (int k = 1; k <= 5; ++k) {
            campo(c, k)->setEnabled(false);
        }
    }
    for (int k = 1; k <= 5; ++k) {
        barraRiga(Temp, k)->setEnabled(false);
        barraRiga(Rond, k)->setEnabled(false);
    }
    completaCaricamento();
    GuidaCuciture();
    RigaInizio = 1;
    RigaRisultati = 1;
}

void cuciture::costruisciDati()
{
    QFont didascalia = font();
    didascalia.setPointSizeF(6.5);
    QFont valori = font();
    valori.setPointSizeF(7.5);
    const auto centro = Qt::AlignHCenter | Qt::AlignVCenter;

    frameDati_ = new QGroupBox(T::kFrameDati, superficie());
    frameDati_->setObjectName(QStringLiteral("FrameDati"));
    frameDati_->setGeometry(twips(60, 930, 9480, 2160));
    // Its empty area is the window's too: moving over it clears the highlight.
    frameDati_->setMouseTracking(true);
    frameDati_->installEventFilter(this);
    QWidget* f = frameDati_;

    etichetta(f, T::kNum, twips(300, 660, 300, 210), didascalia, centro, T::kNumTooltip);
    int x = 640;
    int b = 0;
    for (int c = 0; c < kCampi; ++c) {
        const bool conBarra = std::find(std::begin(kConBarra), std::end(kConBarra), c) != std::end(kConBarra);
        const int larghezza = conBarra ? 800 : 640;
        didascalie_[std::size_t(c)][0] = etichetta(f, T::kDidascalie[std::size_t(c)], twips(x, 220, larghezza, 420),
                                                   didascalia, centro, T::kSuggerimenti[std::size_t(c)]);
        didascalie_[std::size_t(c)][1] = etichetta(f, T::kUnita[std::size_t(c)], twips(x, 660, larghezza, 210),
                                                   didascalia, centro, T::kSuggerimenti[std::size_t(c)]);
        for (int k = 1; k <= 5; ++k) {
            auto* e = new QLineEdit(f);
            e->setGeometry(twips(x, 900 + 240 * (k - 1), 630, 270));
            e->setFont(valori);
            e->setAlignment(Qt::AlignRight);
            e->setTextMargins(0, 0, 0, 0);
            e->setToolTip(T::kSuggerimenti[std::size_t(c)]);
            e->setObjectName(T::kNomiCampi[std::size_t(c)] + QString::number(k));
            connect(e, &QLineEdit::textChanged, this, [this, c, k] { campo_Change(c, k); });
            campi_[std::size_t(c)][std::size_t(k)] = e;
        }
        if (conBarra) {
            static const int kMinimo[4] = {10, 10, -40, 5};
            static const int kMassimo[4] = {50, 100, 60, 30};
            static const int kIniziale[4] = {10, 10, 4, 5};
            static const char* const kNomi[4] = {"VScroll8", "VScroll7", "VScroll6", "VScroll5"};
            for (int k = 1; k <= 5; ++k) {
                auto* v = barra(f, Qt::Vertical, twips(x + 635, 900 + 240 * (k - 1), 160, 270), kMinimo[b],
                                kMassimo[b], 1, 1, kIniziale[b], QStringLiteral("%1_%2").arg(kNomi[b]).arg(k));
                connect(v, &QScrollBar::valueChanged, this, [this, c, k] { barraRiga_Change(c, k); });
                barreRiga_[std::size_t(b)][std::size_t(k)] = v;
            }
            ++b;
        }
        x += larghezza;
    }
    for (int k = 1; k <= 5; ++k) {
        auto* n = etichetta(f, QString::number(k), twips(300, 900 + 240 * (k - 1), 300, 255), valori, centro,
                            T::kNumCopiaTooltip);
        n->setAutoFillBackground(true);
        n->setFrameShape(QFrame::Box);
        colora(n, kCiano);
        n->setMouseTracking(true);
        n->setCursor(Qt::PointingHandCursor);
        n->installEventFilter(this);
        n->setObjectName(QStringLiteral("num%1").arg(k));
        num_[std::size_t(k)] = n;
    }
    vscroll1_ = barra(f, Qt::Vertical, twips(60, 900, 210, 1230), 1, 96, 1, 5, 1, QStringLiteral("VScroll1"));
    connect(vscroll1_, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
}

void cuciture::costruisciCaldo()
{
    QFont didascalia = font();
    didascalia.setPointSizeF(6.5);
    QFont cifre = font();
    cifre.setPointSizeF(7);
    const auto centro = Qt::AlignHCenter | Qt::AlignVCenter;

    frameCaldo_ = new QGroupBox(T::kFrameCaldo, superficie());
    frameCaldo_->setObjectName(QStringLiteral("FrameCaldo"));
    frameCaldo_->setGeometry(twips(60, 3150, 9480, 2280));
    QWidget* f = frameCaldo_;

    etichetta(f, T::kNumCons, twips(120, 260, 800, 270), didascalia, Qt::AlignRight | Qt::AlignVCenter,
              T::kNumConsTooltip);
    numcons_ = cella(f, twips(960, 260, 480, 270), cifre, T::kNumConsTooltip);
    numcons_->setObjectName(QStringLiteral("numcons"));
    vscroll2_ = barra(f, Qt::Vertical, twips(1450, 245, 200, 300), 1, 100, 1, 2, 1, QStringLiteral("VScroll2"));
    connect(vscroll2_, &QScrollBar::valueChanged, this, [this] { VScroll2_Change(); });
    etichetta(f, T::kEserc, twips(1700, 260, 1200, 270), didascalia, Qt::AlignRight | Qt::AlignVCenter);
    eserc_ = cella(f, twips(2940, 260, 480, 270), cifre, QString());
    eserc_->setObjectName(QStringLiteral("eserc"));
    hscroll1_ = barra(f, Qt::Horizontal, twips(3480, 285, 2600, 220), 1, 101, 1, 10, 1, QStringLiteral("HScroll1"));
    connect(hscroll1_, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });

    // Long side above the short side.
    const int yLato[3] = {0, 1620, 1290};
    etichetta(f, T::kLatoLungo, twips(120, yLato[2], 900, 270), didascalia, Qt::AlignLeft | Qt::AlignVCenter,
              T::kLatoLungoTooltip);
    etichetta(f, T::kLatoCorto, twips(120, yLato[1], 900, 270), didascalia, Qt::AlignLeft | Qt::AlignVCenter,
              T::kLatoCortoTooltip);
    int x = 1020;
    for (int c = 0; c < 10; ++c) {
        const int larghezza = c == 8 ? 960 : 820;
        etichetta(f, T::kDidascalieCaldo[std::size_t(c)], twips(x, 620, larghezza, 420), didascalia, centro,
                  T::kSuggerimentiCaldo[std::size_t(c)]);
        etichetta(f, T::kUnitaCaldo[std::size_t(c)], twips(x, 1040, larghezza, 210), didascalia, centro,
                  T::kSuggerimentiCaldo[std::size_t(c)]);
        for (int s = 1; s <= 2; ++s) {
            // The cell beside its bar leaves a gap that no rounding of the
            // scaling closes, so the bar never covers the cell's border.
            auto* l = cella(f, twips(x, yLato[s], c == 8 ? 770 : 790, 270), cifre, T::kSuggerimentiCaldo[std::size_t(c)]);
            l->setObjectName(QStringLiteral("caldo%1_%2").arg(c).arg(s));
            caldo_[std::size_t(c)][std::size_t(s)] = l;
            if (c == 8) {
                auto* v = barra(f, Qt::Vertical, twips(x + 795, yLato[s], 160, 270), 1, 1000, 1, 1, 1,
                                QStringLiteral("VScroll9_%1").arg(s));
                connect(v, &QScrollBar::valueChanged, this, [this, s] { VScroll9_Change(s); });
                vscroll9_[std::size_t(s)] = v;
            }
        }
        x += larghezza;
    }
    // The counts start at 1.
    caldo(8, 1)->setText(QStringLiteral("1"));
    caldo(8, 2)->setText(QStringLiteral("1"));
}

void cuciture::costruisciFreddo()
{
    QFont didascalia = font();
    didascalia.setPointSizeF(6.5);
    QFont cifre = font();
    cifre.setPointSizeF(7.5);
    const auto centro = Qt::AlignHCenter | Qt::AlignVCenter;

    frameFreddo_ = new QGroupBox(T::kFrameFreddo, superficie());
    frameFreddo_->setObjectName(QStringLiteral("FrameFreddo"));
    frameFreddo_->setGeometry(twips(60, 3150, 9480, 2280));
    QWidget* f = frameFreddo_;

    vscroll3_ = barra(f, Qt::Vertical, twips(600, 900, 210, 1230), 1, 96, 1, 5, 1, QStringLiteral("VScroll3"));
    connect(vscroll3_, &QScrollBar::valueChanged, this, [this] { VScroll3_Change(); });
    int x = 900;
    for (int c = 0; c < 6; ++c) {
        const int larghezza = c == 0 ? 900 : (c == 1 ? 1400 : 1200);
        etichetta(f, T::kDidascalieFreddo[std::size_t(c)], twips(x, 220, larghezza, 420), didascalia, centro,
                  T::kSuggerimentiFreddo[std::size_t(c)]);
        etichetta(f, T::kUnitaFreddo[std::size_t(c)], twips(x, 660, larghezza, 210), didascalia, centro,
                  T::kSuggerimentiFreddo[std::size_t(c)]);
        for (int k = 1; k <= 5; ++k) {
            const QRect geo = twips(x + 100, 900 + 240 * (k - 1), c == 1 ? 1000 : larghezza - 200, 255);
            QLabel* l = nullptr;
            if (c == 0) {
                l = etichetta(f, QString::number(k), geo, cifre, centro, T::kSuggerimentiFreddo[0]);
                l->setObjectName(QStringLiteral("rum%1").arg(k));
            } else {
                l = cella(f, geo, cifre, T::kSuggerimentiFreddo[std::size_t(c)]);
            }
            freddo_[std::size_t(c)][std::size_t(k)] = l;
            if (c == 1) {
                auto* v = barra(f, Qt::Vertical, twips(x + 1125, 900 + 240 * (k - 1), 160, 255), 1000, 2600, 5, 5,
                                1000, QStringLiteral("VScroll4_%1").arg(k));
                connect(v, &QScrollBar::valueChanged, this, [this, k] { VScroll4_Change(k); });
                vscroll4_[std::size_t(k)] = v;
            }
        }
        x += larghezza;
    }
}

QScrollBar* cuciture::barraRiga(int c, int linea) const
{
    for (std::size_t b = 0; b < 4; ++b) {
        if (kConBarra[b] == c) {
            return barreRiga_[b][std::size_t(linea)];
        }
    }
    return nullptr;
}

// ---- input ---------------------------------------------------------------------

void cuciture::campo_Change(int c, int linea)
{
    if (!cambioCampoRiga(*campo(c, linea), dati_.colonna(c), RigaInizio, linea, VarianteCampo::Normale,
                         RigaCorrente)) {
        return;
    }
    if (c == Cort) {
        LineaCorrente = linea;
        ContaCuciture();
    }
    if (rinviaCalcolo()) {
        return;
    }
    calcoloRinviato();
}

void cuciture::calcoloRinviato()
{
    GuidaCuciture();
    CalcolaCuciture();
}

void cuciture::barraRiga_Change(int c, int linea)
{
    QScrollBar* b = barraRiga(c, linea);
    const int r = std::clamp(RigaInizio + linea - 1, 1, kRighe);
    ColonnaRighe& valori = dati_.colonna(c);
    if (valori[std::size_t(r)].isEmpty() && (c == Temp || c == Rond)) {
        const QSignalBlocker blocco(b);
        b->setValue(c == Temp ? -40 : 5);
    }
    valori[std::size_t(r)] = QString::number(b->value());
    VScroll1_Change();
}

void cuciture::num_Click(int linea)
{
    if (NumeroCuciture == 0) {
        return;
    }
    const int r = RigaInizio + linea - 1;
    if (r < 1 || r > kRighe) {
        return;
    }
    for (int c = 0; c < kCampi; ++c) {
        dati_.colonna(c)[std::size_t(r)] = dati_.colonna(c)[std::size_t(r - 1)];
    }
    VScroll1_Change();
}

void cuciture::Option1_Click(int k)
{
    if (k != kCaldo && k != kFreddo) {
        return;
    }
    TipoCucitura = k;
    opzioni_[std::size_t(k)]->setChecked(true);
    frameDati_->setEnabled(true);
    auto abilita = [this](Campo c, bool si) {
        didascalia(c, 0)->setEnabled(si);
        didascalia(c, 1)->setEnabled(si);
        for (int i = 1; i <= 5; ++i) {
            campo(c, i)->setEnabled(si);
        }
    };
    for (Campo c : kSpecifici) {
        abilita(c, false);
    }
    for (int i = 1; i <= 5; ++i) {
        barraRiga(Temp, i)->setEnabled(k == kCaldo);
        barraRiga(Rond, i)->setEnabled(k == kCaldo);
    }
    if (k == kCaldo) {
        frameFreddo_->hide();
        frameCaldo_->show();
        for (Campo c : {Fesc, Fesl, Tens, Temp, Rott, Rond}) {
            abilita(c, true);
        }
    } else {
        frameCaldo_->hide();
        frameFreddo_->show();
        abilita(Car, true);
    }
    vscroll9_[1]->setVisible(k == kCaldo);
    vscroll9_[2]->setVisible(k == kCaldo);
    GuidaCuciture();
}

void cuciture::ContaCuciture()
{
    NumeroCuciture = modcuciture::ContaCuciture(dati_);
    conteggio_->setText(QString::number(NumeroCuciture));
}

void cuciture::GuidaCuciture() { passo()->setText(testoGuida(dati_, NumeroCuciture, TipoCucitura)); }

// ---- calculation and refresh -------------------------------------------------------

void cuciture::CalcolaCuciture()
{
    ConteggiMostrati m;
    m.ntir = {QString(), caldo(8, 1)->text(), caldo(8, 2)->text()};
    m.rigaMostrata = RigaRisultati;
    const EsitoCalcolo esito = modcuciture::CalcolaCuciture(dati_, NumeroCuciture, TipoCucitura, ris_, m);
    if (TipoCucitura == kCaldo) {
        caldo(8, 1)->setText(m.ntir[1]);
        caldo(8, 2)->setText(m.ntir[2]);
        if (esito.aggiornato) {
            HScroll1_Change();
        }
        if (esito.rottura) {
            passo()->setText(T::kRottura);
        }
    } else if (esito.completo) {
        VScroll3_Change();
    }
}

void cuciture::VScroll1_Change()
{
    RigaInizio = vscroll1_->value();
    {
        const RinvioCalcolo rinvio(this);
        for (int k = 1; k <= 5; ++k) {
            const int r = RigaInizio + k - 1;
            num_[std::size_t(k)]->setText(QString::number(r));
            for (int c = 0; c < kCampi; ++c) {
                // Raises the field's change handling when the text differs; a
                // value never set stays so (the file writes it as nothing).
                const QString prima = dati_.valore(c, r);
                campo(c, k)->setText(prima);
                if (prima.isNull() && dati_.valore(c, r).isEmpty()) {
                    dati_.colonna(c)[std::size_t(r)] = QString();
                }
            }
        }
    }
    CalcolaCuciture();
}

void cuciture::VScroll2_Change()
{
    const int r = vscroll2_->value();
    numcons_->setText(QString::number(r));
    RigaRisultati = r;
    const bool indice = IndiceTemperatura >= 1 && IndiceTemperatura <= kTemperature;
    for (int s = 1; s <= 2; ++s) {
        for (int c = 0; c < kCampiCaldo; ++c) {
            caldo(c, s)->setText(indice ? mostra(ris_.caldo(r, IndiceTemperatura, s, c)) : QString());
        }
        caldo(8, s)->setText(mostra(ris_.ntir[std::size_t(r)][std::size_t(s)]));
        caldo(9, s)->setText(mostra(ris_.tottir[std::size_t(r)][std::size_t(s)]));
    }
}

void cuciture::HScroll1_Change()
{
    eserc_->setText(QString::number(hscroll1_->value() - 41));
    IndiceTemperatura = hscroll1_->value();
    VScroll2_Change();
}

void cuciture::VScroll3_Change()
{
    RigaRisultati = vscroll3_->value();
    for (int k = 1; k <= 5; ++k) {
        const auto r = std::size_t(RigaRisultati + k - 1);
        freddo(0, k)->setText(QString::number(r));
        freddo(1, k)->setText(mostra(ris_.sigmf[r]));
        freddo(2, k)->setText(mostra(ris_.compv[r]));
        freddo(3, k)->setText(mostra(ris_.assorb[r]));
        freddo(4, k)->setText(mostra(ris_.bar[r]));
        freddo(5, k)->setText(mostra(ris_.orizz[r]));
    }
}

void cuciture::VScroll4_Change(int linea)
{
    const int r = std::clamp(RigaRisultati + linea - 1, 1, kRighe);
    ris_.sigmf[std::size_t(r)] = vscroll4_[std::size_t(linea)]->value();
    CalcolaCuciture();
}

void cuciture::VScroll9_Change(int lato)
{
    const int r = std::clamp(RigaRisultati, 1, kRighe);
    ris_.ntir[std::size_t(r)][std::size_t(lato)] = vscroll9_[std::size_t(lato)]->value();
    VScroll2_Change();
    CalcolaCuciture();
}

// ---- data check and clearing ---------------------------------------------------------

EsitoControllo cuciture::verificaDati()
{
    if (NumeroCuciture == 0) {
        return {EsitoControllo::Tipo::NessunDato, T::kNessunDato};
    }
    if (const auto m = primoMancante(dati_, NumeroCuciture, TipoCucitura)) {
        return {EsitoControllo::Tipo::Incompleto, testoMancante(*m)};
    }
    return {EsitoControllo::Tipo::Completo, QString()};
}

void cuciture::cancella_click()
{
    // Every row, not only the counted ones: a row typed beyond a gap would
    // otherwise come back at the next count.
    for (int r = 1; r <= kRighe; ++r) {
        for (int c = 0; c < kCampi; ++c) {
            if (!dati_.valore(c, r).isNull()) {
                dati_.colonna(c)[std::size_t(r)] = QLatin1String("");
            }
        }
        ris_.svuotaRiga(r);
    }
    NumeroCuciture = 0;
    for (int k = 1; k <= 5; ++k) {
        for (int c = 0; c < kCampi; ++c) {
            campo(c, k)->setText(QLatin1String(""));
        }
    }
    // After the fields, whose handlers recount into it.
    conteggio_->clear();
    for (int k = 1; k <= 5; ++k) {
        for (int c = 1; c < 6; ++c) {
            freddo(c, k)->clear();
        }
    }
    for (int s = 1; s <= 2; ++s) {
        for (int c = 0; c < 10; ++c) {
            caldo(c, s)->clear();
        }
    }
    numcons_->clear();
    eserc_->clear();
    GuidaCuciture();
}

// ---- archive -------------------------------------------------------------------------

void cuciture::scriviDati(archivio::ScrittoreRecord& w)
{
    scriviCuciture(w, dati_, NumeroCuciture, TipoCucitura);
    scriviFrontespizio(w);
}

void cuciture::leggiDati(archivio::LettoreRecord& r)
{
    // Read aside and taken over whole: a broken file leaves the window as it
    // was, and rows of earlier work beyond the file's rows do not mix in.
    tipoLetto_ = 0;
    DatiCuciture letti;
    const Intestazione t = leggiCuciture(r, letti);
    leggiFrontespizio(r);
    dati_ = letti;
    for (int riga = 1; riga <= kRighe; ++riga) {
        ris_.svuotaRiga(riga);
    }
    NumeroCuciture = t.numero;
    conteggio_->setText(QString::number(NumeroCuciture));
    tipoLetto_ = t.tipo;
}

void cuciture::dopoApertura()
{
    if (tipoLetto_ == 0) {
        return;
    }
    Option1_Click(tipoLetto_);
    tipoLetto_ = 0;
    RigaInizio = 1;
    VScroll1_Change();
    GuidaCuciture();
    CalcolaCuciture();
}

// ---- printouts -----------------------------------------------------------------------

void cuciture::acquisizionedati_Click()
{
    auto p = stampa::apriLavoro();
    if (!p) {
        return;
    }
    stampaModulo(*p);
}

void cuciture::stampa_click()
{
    // The data area moves through the rows, so every row is recomputed.
    for (int pos = 6; pos <= NumeroCuciture; pos += 5) {
        vscroll1_->setValue(pos);
    }
    auto p = stampa::apriLavoro();
    if (!p) {
        return;
    }
    stampaDatiSu(*p);
}

void cuciture::stampaDatiSu(platform::Stampante& p)
{
    const bool relazione = ModRinsal::StampaCompleta == QStringLiteral("sì");
    const QString progetto = progettoFrontespizio();
    stampaDatiRisultati(p, dati_, ris_, NumeroCuciture, TipoCucitura, progetto, relazione);
}

// ---- mouse ---------------------------------------------------------------------------

void cuciture::evidenziaNumeri(int linea)
{
    for (int k = 1; k <= 5; ++k) {
        colora(num_[std::size_t(k)], k == linea ? kGiallo : kCiano);
    }
}

bool cuciture::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseMove) {
        if (o == superficie() || o == frameDati_) {
            evidenziaNumeri(0);
        }
        for (int k = 1; k <= 5; ++k) {
            if (o == num_[std::size_t(k)]) {
                evidenziaNumeri(k);
                return true;
            }
        }
    } else if (e->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        for (int k = 1; k <= 5; ++k) {
            if (o == num_[std::size_t(k)]) {
                num_Click(k);
                return true;
            }
        }
    }
    return FinestraCalcolo::eventFilter(o, e);
}

std::optional<ChiusuraRelazione> cuciture::chiusuraRelazione() const
{
    if (NumeroCuciture == 0) {
        return std::nullopt;
    }
    return ChiusuraRelazione{{}, TipoCucitura};
}
