// The column-hooping window's areas: the row count and the type options,
// the data grid with the diameter bars, the hot table and the cold results
// frame that covers it.

#include "columnhooping/cercol.h"
#include "columnhooping/testi.h"
#include "shell/controlli.h"

namespace T = testi_cercol;
using namespace modcercol;
using namespace controlli;

namespace {

// x of an input column: `elic` leaves room for its scroll bar.
int xCampo(int c) { return c == Rag ? 1800 : c == Elic ? 2400 : 3360 + 600 * (c - Car); }

} // namespace

void cercol::costruisciAree()
{
    QWidget* s = superficie();

    const auto [didascalia, valori, cifre, nota] = caratteri();
    const auto centro = Qt::AlignHCenter | Qt::AlignVCenter;

    // Row count and type.
    label1_ = costruisciConteggio(T::kNConsolidamenti, T::kNConsolidamentiTooltip, twips(360, 600, 2535, 345),
                                  twips(2880, 600, 735, 345), QStringLiteral("Label51"));
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
        legaBarra(b, campo(Elic, k), 6);
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
    costruisciTabella(s, {1200, 600, 615, 3480, 495, 3960, 255, 4320, 615, 255},
                      {T::kDidascalieCaldo, T::kUnitaCaldo, T::kSuggerimentiCaldo}, didascalia, cifre, caldo_);
    vscroll2_ = barra(s, Qt::Vertical, twips(720, 4320, 375, 1215), 1, 97, 1, 5, 1, QStringLiteral("VScroll2"));
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
    costruisciNumeriRighe(affreddo_, 2160, 495, 960, valori, T::kNumTooltip, QStringLiteral("rum"), rum_);
    costruisciTabella(affreddo_, {2760, 600, 615, 240, 495, 720, 255, 960, 615, 255},
                      {T::kDidascalieFreddo, T::kUnitaFreddo, T::kSuggerimentiFreddo}, didascalia, cifre, freddo_);
    note_ = etichetta(affreddo_, QString(), twips(6000, 720, 2175, 1095), nota, Qt::AlignLeft | Qt::AlignTop,
                      T::kNoteTooltip);
    note_->setObjectName(QStringLiteral("note"));
}
