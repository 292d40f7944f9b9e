#include "scaling/clsresize.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <cstdlib>

// ---------------------------------------------------------------- Linea

Linea::Linea(QWidget* parent) : QWidget(parent)
{
    // A line is decoration: clicks belong to whatever lies beneath it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    impostaEstremi(0, 0, 0, 0);
}

void Linea::impostaEstremi(int x1, int y1, int x2, int y2)
{
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    // Both end pixels inclusive, so a horizontal or vertical line still has
    // a one-pixel-thick box to paint in.
    setGeometry(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1);
    update();
}

void Linea::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    const QPoint origine = pos();
    p.drawLine(QPoint(x1_, y1_) - origine, QPoint(x2_, y2_) - origine);
}

// ---------------------------------------------------------------- tag rule

MisureScalate leggiTag(const QString& tag)
{
    const QString t = tag.toUpper();
    if (!t.startsWith(QLatin1Char('@'))) {
        return {};
    }
    MisureScalate m;
    m.l = t.contains(QLatin1Char('L'));
    m.t = t.contains(QLatin1Char('T'));
    m.w = t.contains(QLatin1Char('W'));
    m.h = t.contains(QLatin1Char('H'));
    return m;
}

// ---------------------------------------------------------------- which widgets

namespace {

bool inLayout(const QLayout* layout, const QWidget* w)
{
    if (layout->menuBar() == w) {
        return true;
    }
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (!item) {
            continue;
        }
        if (item->widget() == w) {
            return true;
        }
        if (const QLayout* sotto = item->layout(); sotto && inLayout(sotto, w)) {
            return true;
        }
    }
    return false;
}

bool eContenitore(const QWidget* w)
{
    const QVariant v = w->property("contenitore");
    if (v.isValid()) {
        return v.toBool();
    }
    const QMetaObject* m = w->metaObject();
    return m == &QWidget::staticMetaObject || m == &QFrame::staticMetaObject
        || m == &QGroupBox::staticMetaObject;
}

bool daScalare(const QWidget* w, const QWidget* genitore)
{
    if (w->isWindow()) {
        return false;
    }
    if (const QVariant v = w->property("scala"); v.isValid() && !v.toBool()) {
        return false;
    }
    // This also leaves a main window's menu bar, tool bars, docks and
    // status bar to the main window.
    if (const QLayout* l = genitore->layout(); l && inLayout(l, w)) {
        return false;
    }
    return true;
}

void raccogli(QWidget* genitore, std::vector<QWidget*>& uscita)
{
    for (QObject* o : genitore->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || !daScalare(w, genitore)) {
            continue;
        }
        uscita.push_back(w);
        if (eContenitore(w)) {
            raccogli(w, uscita);
        }
    }
}

// Keeps the window from repainting while its controls move one by one.
class Congela {
public:
    explicit Congela(QWidget* w) : w_(w), eraAttivo_(w->updatesEnabled())
    {
        if (eraAttivo_) {
            w_->setUpdatesEnabled(false);
        }
    }
    ~Congela()
    {
        if (eraAttivo_ && w_) {
            w_->setUpdatesEnabled(true);
        }
    }
    Congela(const Congela&) = delete;
    Congela& operator=(const Congela&) = delete;

private:
    QPointer<QWidget> w_;
    bool eraAttivo_;
};

class FiltroRidimensiona : public QObject {
public:
    explicit FiltroRidimensiona(clsResize* scala) : scala_(scala) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Resize || e->type() == QEvent::WindowStateChange) {
            scala_->ResizeControls();
        }
        return false;
    }

private:
    clsResize* scala_;
};

} // namespace

// ---------------------------------------------------------------- clsResize

clsResize::clsResize() = default;
clsResize::~clsResize() = default;

QWidget* clsResize::superficie(QWidget* finestra)
{
    if (auto* mw = qobject_cast<QMainWindow*>(finestra); mw && mw->centralWidget()) {
        return mw->centralWidget();
    }
    return finestra;
}

void clsResize::setSourceForm(QWidget* finestra)
{
    if (form_ && filtro_) {
        form_->removeEventFilter(filtro_.get());
    }
    filtro_.reset();
    form_ = finestra;
    registri_.clear();
    larghezza_ = altezza_ = 0;
    inAttesa_ = true;
}

void clsResize::seguiRidimensionamenti()
{
    if (!form_ || filtro_) {
        return;
    }
    filtro_ = std::make_unique<FiltroRidimensiona>(this);
    form_->installEventFilter(filtro_.get());
}

QSize clsResize::schermo() const
{
    if (schermo_.isValid()) {
        return schermo_;
    }
    QScreen* s = form_ ? form_->screen() : nullptr;
    if (!s) {
        s = QGuiApplication::primaryScreen();
    }
    return s ? s->size() : QSize();
}

QSize clsResize::dimensioneInterna() const
{
    QWidget* sup = superficie(form_);
    if (sup != form_.data()) {
        // A hidden main window places its central widget only when shown,
        // and an event filter runs before the layout has reacted to the
        // resize: let the layout catch up with the window now.
        if (QLayout* l = form_->layout()) {
            l->invalidate();
            l->activate();
        }
    }
    return sup->size();
}

std::vector<QWidget*> clsResize::controlli() const
{
    std::vector<QWidget*> v;
    if (form_) {
        raccogli(superficie(form_), v);
    }
    return v;
}

void clsResize::RecordLayout()
{
    if (!form_) {
        return;
    }
    const QSize interna = dimensioneInterna();
    larghezza_ = interna.width();
    altezza_ = interna.height();
    const std::vector<QWidget*> elenco = controlli();
    registri_.clear();
    registri_.reserve(elenco.size());
    for (QWidget* c : elenco) {
        Registro r;
        r.controllo = c;
        if (auto* linea = qobject_cast<Linea*>(c)) {
            r.linea = true;
            r.l = linea->X1();
            r.t = linea->Y1();
            r.w = linea->X2();
            r.h = linea->Y2();
        } else {
            const QRect g = c->geometry();
            r.l = g.x();
            r.t = g.y();
            r.w = g.width();
            r.h = g.height();
        }
        registri_.push_back(r);
    }
    inAttesa_ = false;
}

void clsResize::ReInitialise() { RecordLayout(); }

void clsResize::SizeFormToScreen(quint8 percento)
{
    if (!form_) {
        return;
    }
    if (inAttesa_) {
        RecordLayout();
    }
    const QSize px = schermo();
    const double schermoL = double(px.width()) * kTwipsPerPixel;
    const double schermoA = double(px.height()) * kTwipsPerPixel;
    const double nuovaA = std::floor(percento / 100.0 * schermoA);
    const double nuovaL = std::floor(percento / 100.0 * schermoL);
    const double alto = (schermoA - nuovaA) * 0.5;
    const double sinistra = (schermoL - nuovaL) * 0.5;
    form_->setGeometry(tw(sinistra), tw(alto), tw(nuovaL), tw(nuovaA));
    ResizeControls();
}

void clsResize::ResizeControls()
{
    if (!form_ || form_->isMinimized()) {
        return;
    }
    if (inAttesa_) {
        if (!controlli().empty()) {
            RecordLayout();
        }
        return;
    }
    if (registri_.empty() || larghezza_ <= 0 || altezza_ <= 0) {
        return;
    }

    const Congela congela(form_);
    const QSize interna = dimensioneInterna();
    const double rapportoA = double(interna.height()) / altezza_;
    const double rapportoL = double(interna.width()) / larghezza_;
    auto scala = [](int misura, double rapporto) { return int(std::lround(misura * rapporto)); };

    for (const Registro& r : registri_) {
        QWidget* c = r.controllo.data();
        if (!c) {
            continue;
        }
        const MisureScalate m = leggiTag(c->property("tag").toString());
        if (r.linea) {
            auto* linea = static_cast<Linea*>(c);
            linea->impostaEstremi(m.l ? scala(r.l, rapportoL) : linea->X1(),
                                  m.t ? scala(r.t, rapportoA) : linea->Y1(),
                                  m.w ? scala(r.w, rapportoL) : linea->X2(),
                                  m.h ? scala(r.h, rapportoA) : linea->Y2());
        } else {
            const QRect g = c->geometry();
            const QRect nuova(m.l ? scala(r.l, rapportoL) : g.x(),
                              m.t ? scala(r.t, rapportoA) : g.y(),
                              m.w ? scala(r.w, rapportoL) : g.width(),
                              m.h ? scala(r.h, rapportoA) : g.height());
            if (nuova != g) {
                c->setGeometry(nuova);
            }
        }
    }
}

void applicaScalaIniziale(clsResize& scala, QWidget* finestra, int larghezzaTwips, int altezzaTwips)
{
    scala.setSourceForm(finestra);
    scala.SizeFormToScreen(75);
    finestra->resize(tw(larghezzaTwips), tw(altezzaTwips));
    // A hidden window gets its resize event only when shown; its controls
    // must already match the size now.
    scala.ResizeControls();
}
