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

void cerpil::costruisciDati()
{
    frameDati_ = costruisciFrameDati(T::kFrameDati, T::kNum, T::kNumTooltip);
    QWidget* f = frameDati_;
    // The diameter and the temperature have a bar beside their fields.
    const std::vector<Colonna> colonne =
        costruisciCampiDati(f, {T::kNomiCampi, T::kDidascalie, T::kUnita, T::kSuggerimenti},
                            [](int c) { return c == Diam || c == Temp ? 1000 : 840; }, 800, QStringLiteral("lab_"));
    const int xDiam = colonne[std::size_t(Diam)].x + 805;
    const int xTemp = colonne[std::size_t(Temp)].x + 805;
    for (int k = 1; k <= 5; ++k) {
        const int y = 900 + 240 * (k - 1);
        auto* v =
            barra(f, Qt::Vertical, twips(xDiam, y, 160, 270), 6, 20, 1, 1, 6, QStringLiteral("VScroll8_%1").arg(k));
        connect(v, &QScrollBar::valueChanged, this, [this, k] { VScroll8_Change(k); });
        legaBarra(v, campo(Diam, k), 6);
        vscroll8_[std::size_t(k)] = v;
        // Temperature bars have no action.
        vscroll6_[std::size_t(k)] =
            barra(f, Qt::Vertical, twips(xTemp, y, 160, 270), -40, 60, 1, 1, -40, QStringLiteral("VScroll6_%1").arg(k));
    }
    costruisciNumeri(300, 300, 900, 255, carattere(7.5), T::kNumCopiaTooltip, f);
    costruisciBarraRighe(60, 900, 210, 1230, f);
}

void cerpil::costruisciCaldo()
{
    // No action on the count's bars: nothing fills the hot results.
    lati_ = costruisciCaldoLati(T::kFrameCaldo,
                                {TC::kNumCons, TC::kNumConsTooltip, TC::kEserc, T::kEsercTooltip, TC::kLatoLungo,
                                 TC::kLatoLungoTooltip, TC::kLatoCorto, TC::kLatoCortoTooltip, TC::kDidascalieCaldo,
                                 TC::kUnitaCaldo, TC::kSuggerimentiCaldo},
                                790, 790);
    // Opaque: the two results frames share one place and the upper one covers.
    lati_.frame->setAutoFillBackground(true);
    connect(lati_.hscroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
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
