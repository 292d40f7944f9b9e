#pragma once
// Sizes a window relative to the screen on load and, on every resize,
// moves and stretches its controls in proportion to the change of the
// window's inner area. Windows are designed in twips (1/1440 inch); one
// logical pixel is 15 twips.
//
// Which widgets are controls. The scaling surface is the window itself or,
// for a QMainWindow with a central widget, that central widget (menu bar,
// tool bars and status bar stay with the main window's own layout); its
// inner size is the one compared with the recorded one. A widget is scaled
// when all of these hold:
//  - its parent is the surface or a scaled container;
//  - it is not a window of its own (popup menus, dialogs);
//  - its property "scala" is not false (false also leaves its children);
//  - no layout of its parent manages it (a layout already places it; so
//    are a main window's menu bar, tool bars, docks and status bar).
// A scaled container is a widget whose class is exactly QWidget, QFrame or
// QGroupBox, or any widget with the property "contenitore" set to true;
// other widgets (scroll areas, spin boxes, tab widgets, ...) build their
// inner parts themselves and are scaled as one piece.
// Controls are recorded in creation order. Fonts are never scaled.

#include <QPointer>
#include <QRect>
#include <QWidget>
#include <memory>
#include <vector>

constexpr int kTwipsPerPixel = 15;
inline int tw(double twips) { return int(twips / kTwipsPerPixel + 0.5); }
// A rectangle given in twips, in pixels.
inline QRect twips(int l, int t, int w, int h) { return QRect(tw(l), tw(t), tw(w), tw(h)); }

// A straight line drawn between two end points (X1, Y1)-(X2, Y2), in pixels
// of its parent; the scaler moves both end points. The widget covers the
// bounding box of the line and lets mouse events through.
class Linea : public QWidget {
    Q_OBJECT
public:
    explicit Linea(QWidget* parent = nullptr);
    void impostaEstremi(int x1, int y1, int x2, int y2);
    int X1() const { return x1_; }
    int Y1() const { return y1_; }
    int X2() const { return x2_; }
    int Y2() const { return y2_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};

class clsResize {
public:
    clsResize();
    ~clsResize();
    clsResize(const clsResize&) = delete;
    clsResize& operator=(const clsResize&) = delete;

    // Handing over a window starts again with the layout pending.
    void setSourceForm(QWidget* finestra);
    QWidget* SourceForm() const { return form_.data(); }

    void SizeFormToScreen(quint8 percento);
    void ResizeControls();
    void ReInitialise();

    // Screen size in pixels; the window's screen unless a test sets it.
    void impostaSchermo(QSize pixel) { schermo_ = pixel; }

    // Calls ResizeControls on every resize and state change of SourceForm,
    // for a window that prefers this to a line in its resizeEvent.
    void seguiRidimensionamenti();

    // The widget whose controls are scaled (see the rule above).
    static QWidget* superficie(QWidget* finestra);

private:
    struct Registro {
        QPointer<QWidget> controllo;
        int l = 0, t = 0, w = 0, h = 0;   // or X1, Y1, X2, Y2 for a line
        bool linea = false;
    };
    void RecordLayout();
    QSize schermo() const;
    QSize dimensioneInterna() const;
    std::vector<QWidget*> controlli() const;

    QPointer<QWidget> form_;
    int larghezza_ = 0;   // recorded inner size, pixels
    int altezza_ = 0;
    std::vector<Registro> registri_;
    bool inAttesa_ = true;
    QSize schermo_;
    std::unique_ptr<QObject> filtro_;
};

// Load-time sizing shared by the windows: hand the window over, centre it
// at 75 per cent of the screen, then give it its own size in twips. The
// window must already stand at its design size with its controls placed,
// since that is the layout recorded.
void applicaScalaIniziale(clsResize& scala, QWidget* finestra,
                          int larghezzaTwips = 9600, int altezzaTwips = 6825);

// The tag rule: which of L, T, W, H a control lets the scaler change.
struct MisureScalate {
    bool l = true, t = true, w = true, h = true;
};
MisureScalate leggiTag(const QString& tag);
