// The areas of the stitching window: the data frame with the row bars beside
// some fields, the hot results per pier and side, the cold results five rows
// at a time; which fields each type uses.

#include "shell/controlli.h"
#include "stitching/cuciture.h"
#include "stitching/testi.h"

namespace T = testi_cuciture;
using namespace modcuciture;
using namespace controlli;

namespace {

// Fields with a row scroll bar beside them, in the order of barreRiga_.
constexpr Campo kConBarra[] = {Diam, Pas, Temp, Rond};
// Fields that only one type uses, and whose captions go grey with them.
constexpr Campo kSpecifici[] = {Car, Fesc, Fesl, Tens, Temp, Rott, Rond};

} // namespace

void cuciture::costruisciDati()
{
    frameDati_ = costruisciFrameDati(T::kFrameDati, T::kNum, T::kNumTooltip);
    QWidget* f = frameDati_;
    // A field with a row bar beside it has a wider caption, and the bar.
    const std::vector<Colonna> colonne = costruisciCampiDati(
        f, {T::kNomiCampi, T::kDidascalie, T::kUnita, T::kSuggerimenti},
        [](int c) {
            return std::find(std::begin(kConBarra), std::end(kConBarra), c) != std::end(kConBarra) ? 800 : 640;
        },
        630);
    static const int kMinimo[4] = {10, 10, -40, 5};
    static const int kMassimo[4] = {50, 100, 60, 30};
    static const int kIniziale[4] = {10, 10, 4, 5};
    static const char* const kNomi[4] = {"VScroll8", "VScroll7", "VScroll6", "VScroll5"};
    for (std::size_t b = 0; b < 4; ++b) {
        const int c = kConBarra[b];
        for (int k = 1; k <= 5; ++k) {
            auto* v = barra(f, Qt::Vertical, twips(colonne[std::size_t(c)].x + 635, 900 + 240 * (k - 1), 160, 270),
                            kMinimo[b], kMassimo[b], 1, 1, kIniziale[b],
                            QStringLiteral("%1_%2").arg(QLatin1String(kNomi[b])).arg(k));
            connect(v, &QScrollBar::valueChanged, this, [this, c, k] { barraRiga_Change(c, k); });
            legaBarra(v, campo(c, k), kIniziale[b]);
            barreRiga_[b][std::size_t(k)] = v;
        }
    }
    costruisciNumeri(300, 300, 900, 255, carattere(7.5), T::kNumCopiaTooltip, f);
    costruisciBarraRighe(60, 900, 210, 1230, f);
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

void cuciture::costruisciCaldo()
{
    // The cell beside its bar leaves a gap that no rounding of the scaling
    // closes, so the bar never covers the cell's border.
    lati_ = costruisciCaldoLati(T::kFrameCaldo,
                                {T::kNumCons, T::kNumConsTooltip, T::kEserc, {}, T::kLatoLungo, T::kLatoLungoTooltip,
                                 T::kLatoCorto, T::kLatoCortoTooltip, T::kDidascalieCaldo, T::kUnitaCaldo,
                                 T::kSuggerimentiCaldo},
                                770, 795);
    connect(lati_.vscroll2, &QScrollBar::valueChanged, this, [this] { VScroll2_Change(); });
    connect(lati_.hscroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    for (int s = 1; s <= 2; ++s) {
        connect(lati_.barre[std::size_t(s)], &QScrollBar::valueChanged, this, [this, s] { VScroll9_Change(s); });
        legaBarra(lati_.barre[std::size_t(s)], caldo(8, s), 1);
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
                auto* v = barra(f, Qt::Vertical, twips(x + 1125, 900 + 240 * (k - 1), 160, 255), kSigmaMinima,
                                kSigmaMassima, 5, 5, kSigmaMinima, QStringLiteral("VScroll4_%1").arg(k));
                connect(v, &QScrollBar::valueChanged, this, [this, k] { VScroll4_Change(k); });
                legaBarra(v, l, 1000);
                vscroll4_[std::size_t(k)] = v;
            }
        }
        x += larghezza;
    }
}

void cuciture::abilitaCampi(int tipo)
{
    for (Campo c : kSpecifici) {
        abilitaColonna(c, false);
    }
    for (int i = 1; i <= 5; ++i) {
        barraRiga(Temp, i)->setEnabled(tipo == kCaldo);
        barraRiga(Rond, i)->setEnabled(tipo == kCaldo);
    }
    for (Campo c : kSpecifici) {
        if (tipo == kCaldo ? c != Car : tipo == kFreddo && c == Car) {
            abilitaColonna(c, true);
        }
    }
}
