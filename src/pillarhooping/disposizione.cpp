// The pillar-hooping window's areas: the data frame with the grid and the
// diameter and temperature bars, the hot results frame (the stitching
// window's table, which nothing fills here) and the cold results frame.

#include "pillarhooping/cerpil.h"
#include "pillarhooping/testi.h"
#include "shell/controlli.h"
#include "stitching/testi.h"

namespace T = testi_cerpil;
namespace TC = testi_cuciture;
using namespace modcerpil;
using namespace controlli;

namespace {
QRect twips(int l, int t, int w, int h) { return QRect(tw(l), tw(t), tw(w), tw(h)); }
} // namespace

void cerpil::costruisciDati()
{
    const QFont didascalia = carattere(6.5);
    const QFont valori = carattere(7.5);

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
    const QFont didascalia = carattere(6.5);
    const QFont cifre = carattere(7);
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
    const QFont didascalia = carattere(6.5);
    const QFont cifre = carattere(7.5);
    const QFont nota = carattere(7);
    const auto centro = Qt::AlignHCenter | Qt::AlignVCenter;

    frameFreddo_ = new QGroupBox(T::kFrameFreddo, superficie());
    frameFreddo_->setObjectName(QStringLiteral("FrameFreddo"));
    frameFreddo_->setGeometry(twips(60, 3150, 9480, 2280));
    frameFreddo_->setAutoFillBackground(true);
    QWidget* f = frameFreddo_;

    etichetta(f, T::kRum, twips(600, 660, 500, 210), didascalia, centro, T::kRumTooltip);
    costruisciNumeriRighe(f, 600, 500, 900, cifre, T::kRumTooltip, QStringLiteral("rum"), rum_);
    costruisciTabella(f, {1200, 1200, 1100, 220, 420, 660, 210, 900, 1080, 255},
                      {T::kDidascalieFreddo, T::kUnitaFreddo, T::kSuggerimentiFreddo}, didascalia, cifre, freddo_,
                      QStringLiteral("freddo%1_%2"));
    note_ = etichetta(f, QString(), twips(7320, 660, 2040, 1455), nota, Qt::AlignLeft | Qt::AlignTop,
                      T::kNoteTooltip);
    note_->setObjectName(QStringLiteral("note"));
}
