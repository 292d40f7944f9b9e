#include "shell/controlli.h"

#include "shell/numeri.h"

#include <QApplication>
#include <QEvent>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QSignalBlocker>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace controlli {

QLabel* etichetta(QWidget* s, const QString& testo, QRect geo, const QFont& f, Qt::Alignment a,
                  const QString& suggerimento)
{
    auto* l = new QLabel(testo, s);
    l->setGeometry(geo);
    l->setFont(f);
    l->setAlignment(a);
    l->setWordWrap(true);
    if (!suggerimento.isEmpty()) {
        l->setToolTip(suggerimento);
    }
    return l;
}

void colora(QLabel* l, const QColor& c)
{
    QPalette p = l->palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(p);
}

std::pair<QString, QFont> Cella::mostrato() const
{
    const QString t = text();
    QFont f = font();
    const int largo = contentsRect().width() - 2 * std::max(0, indent());
    if (t.isEmpty() || largo <= 0 || QFontMetrics(f).horizontalAdvance(t) <= largo) {
        return {t, f};
    }
    // The integer part with its sign, and "…" when decimals are dropped.
    const qsizetype virgola = t.indexOf(QLatin1Char(','));
    const QString intera = virgola < 0 ? t : t.left(virgola) + QChar(0x2026);
    for (int passo = 0; passo < 6 && QFontMetrics(f).horizontalAdvance(intera) > largo; ++passo) {
        f.setPointSizeF(f.pointSizeF() * 0.9);
    }
    const QFontMetrics m(f);
    if (m.horizontalAdvance(t) <= largo) {
        return {t, f};
    }
    return {m.elidedText(t, Qt::ElideRight, largo), f};
}

QString Cella::suggerimentoCompleto() const
{
    const QString proprio = toolTip();
    if (text().isEmpty()) {
        return proprio;
    }
    return proprio.isEmpty() ? text() : proprio + QLatin1Char('\n') + text();
}

void Cella::paintEvent(QPaintEvent* e)
{
    const auto [testo, f] = mostrato();
    if (testo == text() && f == font()) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    drawFrame(&p);
    QRect r = contentsRect().adjusted(indent(), 0, -indent(), 0);
    p.setFont(f);
    p.setPen(palette().color(foregroundRole()));
    p.setClipRect(contentsRect());
    p.drawText(r, int(alignment()), testo);
}

bool Cella::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        const QString t = suggerimentoCompleto();
        if (t.isEmpty()) {
            QToolTip::hideText();
            e->ignore();
        } else {
            QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), t, this);
        }
        return true;
    }
    return QLabel::event(e);
}

QLabel* cella(QWidget* s, QRect geo, const QFont& f, const QString& suggerimento)
{
    auto* l = new Cella(s);
    l->setGeometry(geo);
    l->setFont(f);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A plain dark box: a sunken panel's light lower and right edges vanish
    // against the window, so the last line and column of a grid, which no
    // neighbour overlaps, looked open.
    l->setFrameShape(QFrame::Box);
    l->setFrameShadow(QFrame::Plain);
    l->setMargin(0);
    l->setIndent(1);
    l->setAutoFillBackground(true);
    colora(l, kAzzurroRisultati);
    l->setToolTip(suggerimento);
    return l;
}

QScrollBar* barra(QWidget* s, Qt::Orientation o, QRect geo, int minimo, int massimo, int passo, int pagina,
                  int valore, const QString& nome)
{
    auto* b = new QScrollBar(o, s);
    b->setObjectName(nome);
    b->setGeometry(geo);
    b->setRange(minimo, massimo);
    b->setSingleStep(passo);
    b->setPageStep(pagina);
    b->setValue(valore);
    return b;
}

namespace {

// Keeps a bar on the value its field or label shows; see legaBarra().
class Legame : public QObject {
public:
    Legame(QScrollBar* b, QWidget* mostra, std::optional<int> vuoto, int scarto)
        : QObject(b), barra_(b), mostra_(mostra), vuoto_(vuoto), scarto_(scarto)
    {
        b->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        const auto t = e->type();
        if (o == barra_ && mostra_ && (t == QEvent::MouseButtonPress || t == QEvent::MouseButtonDblClick ||
                                       t == QEvent::KeyPress || t == QEvent::Wheel)) {
            allinea();
        }
        return false;
    }

private:
    void allinea()
    {
        QString testo;
        if (auto* e = qobject_cast<QLineEdit*>(mostra_.data())) {
            testo = e->text();
        } else if (auto* l = qobject_cast<QLabel*>(mostra_.data())) {
            testo = l->text();
        }
        std::optional<int> v = vuoto_;
        if (const auto n = numeri::daTesto(testo); n && std::isfinite(*n) && std::abs(*n) < 1e9) {
            v = int(numeri::arrotonda(*n)) - scarto_;
        }
        if (v) {
            // Silently: the bar only catches up with what is shown.
            const QSignalBlocker blocco(barra_);
            barra_->setValue(std::clamp(*v, barra_->minimum(), barra_->maximum()));
        }
    }

    QScrollBar* barra_;
    QPointer<QWidget> mostra_;
    std::optional<int> vuoto_;
    int scarto_;
};

} // namespace

void legaBarra(QScrollBar* b, QWidget* mostra, std::optional<int> vuoto, int scarto)
{
    new Legame(b, mostra, vuoto, scarto);
}

QString mostra(const std::optional<double>& v) { return v ? numeri::testo(*v) : QString(); }

namespace {
// Refreshes nest (a field's handler recalculates, which refreshes the lines,
// whose fields raise their handlers): only the outermost one sets the
// pointer, as every change of it visits all the windows.
int occupati = 0;
} // namespace

Occupato::Occupato()
{
    if (occupati++ == 0) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
}

Occupato::~Occupato()
{
    if (--occupati == 0) {
        QApplication::restoreOverrideCursor();
    }
}

} // namespace controlli
