#pragma once
// The chart window of a calculation window: the chart its listing draws for
// the item on screen line 1, drawn on screen through the printer interface
// by the same code that draws it on paper. It asks the calculation window
// what to show whenever it is told that something changed, and repaints
// lazily, so that typing stays quick while it is open.

#include "shell/disegno.h"

#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

namespace platform {
class Stampante;
}

// What the chart window shows: its caption, and the chart or, while there
// is none, the reason (the value still missing, the type without a chart).
struct ContenutoGrafico {
    QString titolo;
    std::optional<disegno::Grafico> grafico;
    QString motivo;
};

class FinestraGrafico : public QWidget {
    Q_OBJECT
public:
    // A window of its own over `finestra`, which owns it; not modal.
    FinestraGrafico(std::function<ContenutoGrafico()> fonte, QWidget* finestra);

    // Something it shows may have changed: asked again at the next paint.
    void segnaCambio();
    // What it shows now (asked again first, if something changed).
    const ContenutoGrafico& contenuto();

    // The drawing's scale on this screen, and the widget's area in twips
    // less a margin: where paintEvent draws the chart.
    double pixelPerTwip() const;
    disegno::Riquadro riquadro() const;
    // The chart inside `r` on any printer; false when there is none.
    bool disegna(platform::Stampante& p, const disegno::Riquadro& r);

    static constexpr int kLarghezza = 720;   // pixels at first opening
    static constexpr int kAltezza = 460;
    static constexpr int kLarghezzaMinima = 360;   // smaller than this, it may cover the window
    static constexpr int kAltezzaMinima = 240;

    // Where it opens beside `finestra` on `schermo`: right of it, else
    // below, else left, at its size or smaller down to the minimum; with no
    // room anywhere, over the window's lower right corner.
    static QRect posto(const QRect& finestra, const QSize& voluta, const QRect& schermo);

protected:
    void paintEvent(QPaintEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void rinfresca();

    std::function<ContenutoGrafico()> fonte_;
    ContenutoGrafico contenuto_;
    bool vecchio_ = true;
};
