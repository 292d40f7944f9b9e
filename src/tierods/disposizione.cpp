// The tie-rod window's areas: the row count and advice, the data grid, the
// table of admissible tensions, the results and the temperature table.

#include "tierods/testi.h"
#include "tierods/tiranti.h"
#include "shell/controlli.h"

namespace T = testi_tiranti;
using namespace modtiranti;
using namespace controlli;

void tiranti::costruisciAree()
{
    QWidget* s = superficie();

    const auto [didascalia, valori, cifre, nota] = caratteri();
    const auto centro = Qt::AlignHCenter | Qt::AlignVCenter;
    const auto sinistra = Qt::AlignLeft | Qt::AlignVCenter;

    // Row count and advice.
    label1_ = costruisciConteggio(T::kNTiranti, T::kNTirantiTooltip, twips(120, 600, 1935, 375),
                                  twips(2040, 600, 735, 375));
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
        agisciSullaRiga(b, [this, k](int) { malt_Click(k); });
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
    costruisciTabella(s, {960, 600, 615, 3360, 495, 3840, 255, 4200, 615, 255},
                      {T::kDidascalieRisultati, T::kUnitaRisultati, T::kSuggerimentiRisultati}, didascalia, cifre,
                      risultati_);
    costruisciNumeriRighe(s, 480, 375, 4200, valori, T::kNumTooltip, QStringLiteral("ris"), ris_lab_);

    // Temperature table.
    etichetta(s, T::kTiranteNum, twips(5280, 3360, 495, 495), didascalia, centro, T::kTiranteNumTooltip);
    tirtem_ = cella(s, twips(5280, 3840, 495, 255), valori, T::kNumTooltip);
    tirtem_->setAlignment(centro);
    tirtem_->setObjectName(QStringLiteral("tirtem"));
    costruisciTabella(s, {5760, 600, 615, 3360, 495, 3840, 255, 4200, 615, 255},
                      {T::kDidascalieTemperature, T::kUnitaTemperature, T::kSuggerimentiTemperature}, didascalia,
                      cifre, temperature_);
    vscroll2_ = barra(s, Qt::Vertical, twips(5400, 4200, 255, 1215), 1, 97, 1, 5, 1, QStringLiteral("VScroll2"));
    connect(vscroll2_, &QScrollBar::valueChanged, this, [this] { VScroll2_Change(); });
}
