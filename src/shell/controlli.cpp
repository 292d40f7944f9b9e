#include "shell/controlli.h"

#include "shell/numeri.h"

#include <QApplication>

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

QLabel* cella(QWidget* s, QRect geo, const QFont& f, const QString& suggerimento)
{
    auto* l = new QLabel(s);
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
