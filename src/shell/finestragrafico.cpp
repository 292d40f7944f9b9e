#include "shell/finestragrafico.h"

#include "platform/caratteri.h"
#include "platform/stampante_schermo.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {
// The labels of the printout are of 7 and 8 points: a little larger on
// screen, where they are read from farther away than paper.
constexpr double kIngrandimento = 1.35;
constexpr double kMargine = 180;   // twips around the chart
} // namespace

FinestraGrafico::FinestraGrafico(std::function<ContenutoGrafico()> fonte, QWidget* finestra)
    : QWidget(finestra, Qt::Tool)
    , fonte_(std::move(fonte))
{
    setObjectName(QStringLiteral("grafico"));
    // A chart is looked at, not typed into: opening or refreshing it leaves
    // the keyboard in the field being typed in, whatever the window manager
    // does with new windows.
    setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(360, 240);
    resize(kLarghezza, kAltezza);
}

void FinestraGrafico::segnaCambio()
{
    vecchio_ = true;
    if (isVisible()) {
        update();
    }
}

const ContenutoGrafico& FinestraGrafico::contenuto()
{
    if (vecchio_) {
        rinfresca();
    }
    return contenuto_;
}

void FinestraGrafico::rinfresca()
{
    vecchio_ = false;
    contenuto_ = fonte_ ? fonte_() : ContenutoGrafico{};
    if (windowTitle() != contenuto_.titolo) {
        setWindowTitle(contenuto_.titolo);
    }
}

double FinestraGrafico::pixelPerTwip() const { return logicalDpiX() / 1440.0 * kIngrandimento; }

disegno::Riquadro FinestraGrafico::riquadro() const
{
    const double s = pixelPerTwip();
    return {kMargine, kMargine, std::max(0.0, width() / s - 2 * kMargine), std::max(0.0, height() / s - 2 * kMargine)};
}

bool FinestraGrafico::disegna(platform::Stampante& p, const disegno::Riquadro& r)
{
    const ContenutoGrafico& c = contenuto();
    return c.grafico && disegno::grafico(p, r, *c.grafico);
}

void FinestraGrafico::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    // Where the platform activates every new window (or the user clicks on
    // the chart), the keyboard goes back to the calculation window's field.
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && parentWidget() &&
        parentWidget()->window()->isVisible()) {
        parentWidget()->window()->activateWindow();
    }
}

void FinestraGrafico::showEvent(QShowEvent* e)
{
    vecchio_ = true;
    rinfresca();
    QWidget::showEvent(e);
}

void FinestraGrafico::paintEvent(QPaintEvent* e)
{
    (void)e;
    QPainter pittore(this);
    pittore.fillRect(rect(), Qt::white);
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setRenderHint(QPainter::TextAntialiasing);
    platform::StampanteSchermo schermo(pittore, pixelPerTwip());
    if (disegna(schermo, riquadro())) {
        return;
    }
    // No chart: why, in the guidance box's words.
    QFont f = font();
    f.setFamily(platform::famigliaSchermo(QStringLiteral("DejaVu Sans")));
    f.setPointSizeF(10);
    pittore.setFont(f);
    pittore.setPen(Qt::black);
    QString motivo = contenuto_.motivo;
    motivo.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    pittore.drawText(rect().adjusted(24, 24, -24, -24), Qt::AlignCenter | Qt::TextWordWrap, motivo);
}

QRect FinestraGrafico::posto(const QRect& finestra, const QSize& voluta, const QRect& schermo)
{
    constexpr int kStacco = 8;
    // The free strips right of, below and left of the window.
    const QRect strisce[] = {
        QRect(QPoint(finestra.right() + 1 + kStacco, schermo.top()), schermo.bottomRight()),
        QRect(QPoint(schermo.left(), finestra.bottom() + 1 + kStacco), schermo.bottomRight()),
        QRect(schermo.topLeft(), QPoint(finestra.left() - 1 - kStacco, schermo.bottom())),
    };
    for (const QRect& libera : strisce) {
        const QSize dim = voluta.boundedTo(libera.size());
        if (dim.width() < kLarghezzaMinima || dim.height() < kAltezzaMinima) {
            continue;
        }
        // Level with the window's top where it can be, next to it.
        QRect r(QPoint(0, 0), dim);
        if (&libera == &strisce[1]) {
            r.moveTopLeft(QPoint(std::clamp(finestra.left(), libera.left(), libera.right() + 1 - dim.width()),
                                 libera.top()));
        } else {
            const int y = std::clamp(finestra.top(), libera.top(), libera.bottom() + 1 - dim.height());
            r.moveTopLeft(QPoint(&libera == &strisce[0] ? libera.left() : libera.right() + 1 - dim.width(), y));
        }
        return r;
    }
    QRect r(QPoint(0, 0), voluta.boundedTo(schermo.size()));
    r.moveBottomRight(
        QPoint(std::min(finestra.right(), schermo.right()), std::min(finestra.bottom(), schermo.bottom())));
    r.moveTopLeft(QPoint(std::max(r.left(), schermo.left()), std::max(r.top(), schermo.top())));
    return r;
}
