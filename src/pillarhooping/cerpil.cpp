#include "pillarhooping/cerpil.h"

#include "pillarhooping/archivio.h"
#include "pillarhooping/testi.h"
#include "shell/campi.h"
#include "shell/controlli.h"
#include "shell/numeri.h"
#include "stitching/testi.h"

#include <QApplication>

namespace T = testi_cerpil;
namespace TC = testi_cuciture;
using namespace modcerpil;

using namespace controlli;

namespace {

QRect twips(int l, int t, int w, int h) { return QRect(tw(l), tw(t), tw(w), tw(h)); }

// Fields that belong to one type only, with their caption and unit labels.
constexpr Campo kSpecifici[5] = {Car, Fesc, Fesl, Tens, Temp};

ConfigFinestra configurazione()
{
    ConfigFinestra c;
    c.numero = 6;
    c.caption = T::kTitoloFinestra;
    c.nomeDomanda = T::kNomeFinestra;
    c.tipoCalcolo = 4;
    c.prefisso = T::kPrefisso;
    c.guida = IdFinestra::GuidaCerpil;
    c.controlla = true;
    c.suggerimenti = false;
    c.tooltipSommario = true;
    c.aiuto = T::kAiuto.split(QLatin1Char('\r'));
    c.frontespizioNelFile = false;
    c.cancellaPrimaDiAprire = true;
    return c;
}

bool diametroDifficile(const QString& t) { return numeri::numeroIniziale(t) > 10; }

} // namespace

cerpil::cerpil(QWidget* parent)
    : FinestraRighe(configurazione(), kRighe, parent)
{
    QWidget* s = superficie();

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
        auto* o = new QRadioButton(T::kOpzioni[std::size_t(k - 1)], s);
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

    passo()->setToolTip(T::kPassoTooltip);
    // This window has no online guide behind the button.
    disconnect(guidainlinea(), &QPushButton::clicked, nullptr, nullptr);

    // Load: everything stands as designed until a type is chosen.
    completaCaricamento();
    GuidaPilastri();
    LineaCorrente = 1;
    RigaInizio = 1;
}

void cerpil::costruisciDati()
{
    QFont didascalia = font();
    didascalia.setPointSizeF(6.5);
    QFont valori = font();
    valori.setPointSizeF(7.5);

    frameDati_ = new QGroupBox(T::kFrameDati, superficie());
    frameDati_->setObjectName(QStringLiteral("FrameDati"));
    frameDati_->setGeometry(twips(60, 930, 9480, 2160));
    // Its empty area is the window's too: moving over it clears the highlight.
    frameDati_->setMouseTracking(true);
    frameDati_->installEventFilter(this);
    aggiungiSfondo(frameDati_);
    QWidget* f = frameDati_;

    etichetta(f, T::kNum, twips(300, 660, 300, 210), didascalia, Qt::AlignHCenter | Qt::AlignVCenter, T::kNumTooltip);
    // The diameter and the temperature have a bar beside their fields.
    std::vector<Colonna> colonne;
    int x = 640;
    for (int c = 0; c < kCampi; ++c) {
        const auto i = std::size_t(c);
        const int larghezza = c == Diam || c == Temp ? 1000 : 840;
        colonne.push_back({T::kNomiCampi[i], T::kDidascalie[i], T::kUnita[i], T::kSuggerimenti[i], x, larghezza,
                           QStringLiteral("lab_") + T::kNomiCampi[i], {}});
        x += larghezza;
    }
    costruisciCampi(colonne, {220, 420, 660, 210, 900, 800, 270, 240}, didascalia, valori, f);
    const int xDiam = colonne[std::size_t(Diam)].x + 805;
    const int xTemp = colonne[std::size_t(Temp)].x + 805;
    for (int k = 1; k <= 5; ++k) {
        const int y = 900 + 240 * (k - 1);
        auto* v =
            barra(f, Qt::Vertical, twips(xDiam, y, 160, 270), 6, 20, 1, 1, 6, QStringLiteral("VScroll8_%1").arg(k));
        connect(v, &QScrollBar::valueChanged, this, [this, k] { VScroll8_Change(k); });
        vscroll8_[std::size_t(k)] = v;
        // Temperature bars have no action.
        vscroll6_[std::size_t(k)] =
            barra(f, Qt::Vertical, twips(xTemp, y, 160, 270), -40, 60, 1, 1, -40, QStringLiteral("VScroll6_%1").arg(k));
    }
    costruisciNumeri(300, 300, 900, 255, valori, T::kNumCopiaTooltip, f);
    costruisciBarraRighe(60, 900, 210, 1230, f);
}

void cerpil::costruisciCaldo()
{
    QFont didascalia = font();
    didascalia.setPointSizeF(6.5);
    QFont cifre = font();
    cifre.setPointSizeF(7);
    const auto centro = Qt::AlignHCenter | Qt::AlignVCenter;

    frameCaldo_ = new QGroupBox(T::kFrameCaldo, superficie());
    frameCaldo_->setObjectName(QStringLiteral("FrameCaldo"));
    frameCaldo_->setGeometry(twips(60, 3150, 9480, 2280));
    // Opaque: the two results frames share one place and the upper one covers.
    frameCaldo_->setAutoFillBackground(true);
    QWidget* f = frameCaldo_;

    etichetta(f, TC::kNumCons, twips(120, 260, 800, 270), didascalia, Qt::AlignRight | Qt::AlignVCenter,
              TC::kNumConsTooltip);
    numcons_ = cella(f, twips(960, 260, 480, 270), cifre, TC::kNumConsTooltip);
    numcons_->setObjectName(QStringLiteral("numcons"));
    // No action: nothing fills the hot results.
    vscroll2_ = barra(f, Qt::Vertical, twips(1450, 245, 200, 300), 1, 100, 1, 2, 1, QStringLiteral("VScroll2"));
    etichetta(f, TC::kEserc, twips(1700, 260, 1200, 270), didascalia, Qt::AlignRight | Qt::AlignVCenter,
              T::kEsercTooltip);
    eserc_ = cella(f, twips(2940, 260, 480, 270), cifre, T::kEsercTooltip);
    eserc_->setObjectName(QStringLiteral("eserc"));
    hscroll1_ = barra(f, Qt::Horizontal, twips(3480, 285, 2600, 220), 1, 101, 1, 10, 1, QStringLiteral("HScroll1"));
    connect(hscroll1_, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });

    // Long side above the short side.
    const int yLato[3] = {0, 1620, 1290};
    etichetta(f, TC::kLatoLungo, twips(120, yLato[2], 900, 270), didascalia, Qt::AlignLeft | Qt::AlignVCenter,
              TC::kLatoLungoTooltip);
    etichetta(f, TC::kLatoCorto, twips(120, yLato[1], 900, 270), didascalia, Qt::AlignLeft | Qt::AlignVCenter,
              TC::kLatoCortoTooltip);
    int x = 1020;
    for (int c = 0; c < 10; ++c) {
        const int larghezza = c == 8 ? 960 : 820;
        etichetta(f, TC::kDidascalieCaldo[std::size_t(c)], twips(x, 620, larghezza, 420), didascalia, centro,
                  TC::kSuggerimentiCaldo[std::size_t(c)]);
        etichetta(f, TC::kUnitaCaldo[std::size_t(c)], twips(x, 1040, larghezza, 210), didascalia, centro,
                  TC::kSuggerimentiCaldo[std::size_t(c)]);
        for (int s = 1; s <= 2; ++s) {
            auto* l = cella(f, twips(x, yLato[s], 790, 270), cifre, TC::kSuggerimentiCaldo[std::size_t(c)]);
            l->setObjectName(QStringLiteral("caldo%1_%2").arg(c).arg(s));
            caldo_[std::size_t(c)][std::size_t(s)] = l;
            if (c == 8) {
                vscroll9_[std::size_t(s)] = barra(f, Qt::Vertical, twips(x + 790, yLato[s], 160, 270), 1, 1000, 1, 1, 1,
                                                  QStringLiteral("VScroll9_%1").arg(s));
            }
        }
        x += larghezza;
    }
}

void cerpil::costruisciFreddo()
{
    QFont didascalia = font();
    didascalia.setPointSizeF(6.5);
    QFont cifre = font();
    cifre.setPointSizeF(7.5);
    QFont nota = font();
    nota.setPointSizeF(7);
    const auto centro = Qt::AlignHCenter | Qt::AlignVCenter;

    frameFreddo_ = new QGroupBox(T::kFrameFreddo, superficie());
    frameFreddo_->setObjectName(QStringLiteral("FrameFreddo"));
    frameFreddo_->setGeometry(twips(60, 3150, 9480, 2280));
    frameFreddo_->setAutoFillBackground(true);
    QWidget* f = frameFreddo_;

    etichetta(f, T::kRum, twips(600, 660, 500, 210), didascalia, centro, T::kRumTooltip);
    for (int k = 1; k <= 5; ++k) {
        auto* r = etichetta(f, QString::number(k), twips(600, 900 + 240 * (k - 1), 500, 255), cifre, centro,
                            T::kRumTooltip);
        r->setObjectName(QStringLiteral("rum%1").arg(k));
        rum_[std::size_t(k)] = r;
    }
    int x = 1200;
    for (int c = 0; c < 5; ++c) {
        etichetta(f, T::kDidascalieFreddo[std::size_t(c)], twips(x, 220, 1100, 420), didascalia, centro,
                  T::kSuggerimentiFreddo[std::size_t(c)]);
        etichetta(f, T::kUnitaFreddo[std::size_t(c)], twips(x, 660, 1100, 210), didascalia, centro,
                  T::kSuggerimentiFreddo[std::size_t(c)]);
        for (int k = 1; k <= 5; ++k) {
            auto* l = cella(f, twips(x, 900 + 240 * (k - 1), 1080, 255), cifre, T::kSuggerimentiFreddo[std::size_t(c)]);
            l->setObjectName(QStringLiteral("freddo%1_%2").arg(c).arg(k));
            freddo_[std::size_t(c)][std::size_t(k)] = l;
        }
        x += 1200;
    }
    note_ = etichetta(f, QString(), twips(7320, 660, 2040, 1455), nota, Qt::AlignLeft | Qt::AlignTop,
                      T::kNoteTooltip);
    note_->setObjectName(QStringLiteral("note"));
}

// ---- type and input ---------------------------------------------------------------

void cerpil::Option1_Click(int k)
{
    if (k != kCaldo && k != kFreddo) {
        return;
    }
    TipoPilastri = k;
    opzioni_[std::size_t(k)]->setChecked(true);
    frameDati_->setEnabled(true);
    for (Campo c : kSpecifici) {
        abilitaColonna(c, false);
    }
    for (int i = 1; i <= 5; ++i) {
        vscroll8_[std::size_t(i)]->setEnabled(true);
        vscroll6_[std::size_t(i)]->setEnabled(k == kCaldo);
    }
    for (int s = 1; s <= 2; ++s) {
        vscroll9_[std::size_t(s)]->setVisible(k == kCaldo);
    }
    frameFreddo_->setVisible(k == kFreddo);
    frameCaldo_->setVisible(k == kCaldo);
    if (k == kCaldo) {
        for (Campo c : {Fesc, Fesl, Tens, Temp}) {
            abilitaColonna(c, true);
        }
    } else {
        abilitaColonna(Car, true);
    }
    GuidaPilastri();
}

void cerpil::campo_Change(int c, int linea)
{
    QLineEdit& f = *campo(c, linea);
    if (c == Diam) {
        note_->clear();
    }
    if (!cambioCampoRiga(f, dati_.colonna(c), RigaInizio, linea, VarianteCampo::Normale, RigaCorrente)) {
        return;
    }
    if (c == Cort) {
        LineaCorrente = linea;
        ContaPilastri();
    } else if (c == Diam && diametroDifficile(dati_.valore(Diam, RigaCorrente))) {
        note_->setText(T::kNotaDiametro);
    }
    if (rinviaCalcolo()) {
        return;
    }
    calcoloRinviato();
}

void cerpil::calcoloRinviato()
{
    GuidaPilastri();
    CalcolaPilastri();
}

void cerpil::VScroll8_Change(int linea)
{
    note_->clear();
    const int r = std::clamp(RigaInizio + linea - 1, 1, kRighe);
    const QString v = QString::number(vscroll8_[std::size_t(linea)]->value());
    campo(Diam, linea)->setText(v);
    dati_.colonna(Diam)[std::size_t(r)] = v;
    if (diametroDifficile(v)) {
        note_->setText(T::kNotaDiametro);
    }
    CalcolaPilastri();
}

void cerpil::ContaPilastri()
{
    NumeroPilastri = modcerpil::ContaPilastri(dati_);
    conteggio_->setText(QString::number(NumeroPilastri));
}

void cerpil::GuidaPilastri() { passo()->setText(testoGuida(dati_, TipoPilastri, NumeroPilastri)); }

// ---- calculation and refresh -------------------------------------------------------

void cerpil::CalcolaPilastri()
{
    if (modcerpil::CalcolaPilastri(dati_, NumeroPilastri, ris_)) {
        VScroll1_Change();
    }
}

void cerpil::VScroll1_Change()
{
    Occupato occupato;
    RigaInizio = VScroll1()->value();
    mostraCampi();
    for (int k = 1; k <= 5; ++k) {
        const int r = RigaInizio + k - 1;
        num(k)->setText(QString::number(r));
        rum_[std::size_t(k)]->setText(QString::number(r));
        for (int c = 0; c < 5; ++c) {
            freddo(c, k)->setText(mostra(ris_.valore(c, r)));
        }
    }
}

void cerpil::HScroll1_Change()
{
    eserc_->setText(QString::number(hscroll1_->value() - 41));
    IndiceTemperatura = hscroll1_->value();
}

// ---- data check ----------------------------------------------------------------------

std::optional<FinestraRighe::Mancante> cerpil::primoMancante() const
{
    if (const auto m = modcerpil::primoMancante(dati_, TipoPilastri, NumeroPilastri)) {
        return Mancante{m->riga, int(m->campo)};
    }
    return std::nullopt;
}

QString cerpil::testoNessunDato() const { return T::kNessunDato; }

QString cerpil::testoMancante(const Mancante& m) const
{
    return T::kControlloCerchiatura + QString::number(m.riga) + QStringLiteral(":\r") + T::kControlloDigitare +
           T::kControlloCampi[std::size_t(m.campo)];
}

// ---- archive -------------------------------------------------------------------------

void cerpil::scriviDati(archivio::ScrittoreRecord& w) { scriviPilastri(w, dati_, NumeroPilastri, TipoPilastri); }

void cerpil::leggiDati(archivio::LettoreRecord& r)
{
    // Read aside and taken over whole: a broken file leaves the window as it
    // was; rows after the file's rows keep what they held.
    tipoLetto_.reset();
    DatiPilastri letti = dati_;
    const Intestazione t = leggiPilastri(r, letti);
    dati_ = letti;
    NumeroPilastri = t.numero;
    tipoLetto_ = t.tipo;
}

void cerpil::dopoApertura()
{
    if (!tipoLetto_) {
        return;
    }
    Option1_Click(*tipoLetto_);
    tipoLetto_.reset();
    RigaInizio = 1;
    // The rows from the first one, whatever the bar showed before.
    if (VScroll1()->value() != 1) {
        VScroll1()->setValue(1);
    } else {
        VScroll1_Change();
    }
    // Fields whose text did not change ran no handler: count and compute here.
    ContaPilastri();
    GuidaPilastri();
    CalcolaPilastri();
}
