#include "platform/stampante_schermo.h"

#include "platform/caratteri.h"
#include "platform/stampante_qt.h"
#include "platform/stampante_testo.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>

namespace platform {

StampanteSchermo::StampanteSchermo(QPainter& pittore, double pixelPerTwip)
    : p_(pittore)
    , scala_(pixelPerTwip > 0 ? pixelPerTwip : 1.0 / 15)
{
}

QFont StampanteSchermo::fontCorrente() const
{
    QFont f;
    if (!famiglia_.isEmpty()) {
        f.setFamily(famigliaStampa(famiglia_));
    }
    // A point is 20 twips at the drawing's scale, whatever the screen's dpi.
    const int dpi = p_.device() ? p_.device()->logicalDpiY() : 96;
    f.setPointSizeF(std::max(1.0, punti_ * 20 * scala_ * 72.0 / std::max(dpi, 1)));
    return f;
}

void StampanteSchermo::stampaRiga(const std::vector<Voce>& voci)
{
    const QFont f = fontCorrente();
    const QFontMetricsF fm(f, p_.device());
    const double cella = fm.averageCharWidth();
    const RigaDisposta d = disponiVoci(voci, cella > 0 ? x_ * scala_ / cella : 0);
    const double passo = punti_ * 20.0 * kPassoRiga;
    p_.setFont(f);
    p_.setPen(Qt::black);
    std::size_t i = 0;
    for (int r = 0; r < d.righe; ++r) {
        const double base = y_ * scala_ + fm.ascent();
        for (; i < d.pezzi.size() && d.pezzi[i].riga == r; ++i) {
            p_.drawText(QPointF(d.pezzi[i].cella * cella, base), d.pezzi[i].testo);
        }
        y_ += passo;
    }
    x_ = 0;
}

void StampanteSchermo::linea(double x1, double y1, double x2, double y2, int spessore)
{
    // Bolder than on paper, where a unit is a dot of 300 dpi: at the
    // screen's natural size (15 twips a pixel) a unit is 0.6 pixel, and no
    // line is thinner than a pixel.
    const double larghezza = std::max(1.0, std::max(spessore, 1) * 9 * scala_);
    p_.setPen(QPen(Qt::black, larghezza, Qt::SolidLine, Qt::FlatCap));
    p_.drawLine(QPointF(x1 * scala_, y1 * scala_), QPointF(x2 * scala_, y2 * scala_));
    x_ = x2;
    y_ = y2;
}

void StampanteSchermo::scrivi(double x, double y, const QString& testo)
{
    if (testo.isEmpty()) {
        return;
    }
    const QFont f = fontCorrente();
    p_.setFont(f);
    p_.setPen(Qt::black);
    const QFontMetricsF fm(f, p_.device());
    p_.drawText(QPointF(x * scala_, y * scala_ + fm.ascent()), testo);
}

double StampanteSchermo::larghezzaTesto(const QString& testo) const
{
    const QFontMetricsF fm(fontCorrente(), p_.device());
    return fm.horizontalAdvance(testo) / scala_;
}

double StampanteSchermo::larghezzaPagina() const
{
    const QPaintDevice* d = p_.device();
    return d ? d->width() / scala_ : kLarghezzaPaginaTwips;
}

} // namespace platform
