#include "platform/sonda.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaObject>
#include <QScrollBar>

namespace platform {

namespace {

class Sonda : public QObject {
public:
    explicit Sonda(const QString& percorso)
        : QObject(qApp), file_(percorso)
    {
        file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show) {
            if (auto* m = qobject_cast<QMessageBox*>(o)) {
                scrivi(QStringLiteral("BOX\t%1\t%2").arg(m->windowTitle(), piatto(m->text())));
            }
        } else if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_F12) {
            descrivi(QApplication::activeWindow());
            return true;
        }
        return false;
    }

private:
    static QString piatto(QString t)
    {
        t.replace(QLatin1Char('\r'), QLatin1Char(' '));
        t.replace(QLatin1Char('\n'), QLatin1Char(' '));
        t.replace(QLatin1Char('\t'), QLatin1Char(' '));
        return t;
    }

    void scrivi(const QString& riga)
    {
        file_.write((riga + QLatin1Char('\n')).toUtf8());
    }

    void descrivi(QWidget* w)
    {
        if (!w) {
            scrivi(QStringLiteral("FINESTRA\t-"));
            scrivi(QStringLiteral("FINE"));
            return;
        }
        const QPoint o = w->mapToGlobal(QPoint(0, 0));
        scrivi(QStringLiteral("FINESTRA\t%1\t%2\t%3\t%4\t%5")
                   .arg(o.x())
                   .arg(o.y())
                   .arg(w->width())
                   .arg(w->height())
                   .arg(w->windowTitle()));
        for (QWidget* c : w->findChildren<QWidget*>()) {
            if (!c->isVisibleTo(w)) continue;
            QString tipo;
            QString testo;
            QString fuori;
            if (auto* e = qobject_cast<QLineEdit*>(c)) {
                tipo = QStringLiteral("CAMPO");
                testo = e->text();
            } else if (auto* l = qobject_cast<QLabel*>(c)) {
                tipo = QStringLiteral("ETICHETTA");
                testo = l->text();
                // A one-line text wider than its label runs out of it (or is
                // cut), measured as drawn: a result cell draws a long value
                // smaller or cut, and says so.
                QString disegnato = testo;
                QFont f = l->font();
                if (l->metaObject()->indexOfMethod("fontMostrato()") >= 0) {
                    QMetaObject::invokeMethod(l, "testoMostrato", Q_RETURN_ARG(QString, disegnato));
                    QMetaObject::invokeMethod(l, "fontMostrato", Q_RETURN_ARG(QFont, f));
                }
                if (!l->wordWrap() && !disegnato.contains(QLatin1Char('\n')) && l->pixmap().isNull() &&
                    QFontMetrics(f).horizontalAdvance(disegnato) > l->contentsRect().width()) {
                    fuori = QStringLiteral("\tDEBORDA");
                }
            } else if (auto* b = qobject_cast<QAbstractButton*>(c)) {
                tipo = QStringLiteral("PULSANTE");
                testo = b->text();
            } else if (auto* s = qobject_cast<QScrollBar*>(c)) {
                tipo = s->orientation() == Qt::Vertical ? QStringLiteral("BARRAV") : QStringLiteral("BARRAO");
                testo = QStringLiteral("%1 %2 %3").arg(s->value()).arg(s->minimum()).arg(s->maximum());
                if (!s->isEnabled()) testo += QStringLiteral(" disabilitata");
            } else {
                continue;
            }
            const QPoint p = c->mapToGlobal(QPoint(0, 0));
            scrivi(QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6")
                       .arg(tipo)
                       .arg(p.x())
                       .arg(p.y())
                       .arg(c->width())
                       .arg(c->height())
                       .arg(piatto(testo)) +
                   fuori);
        }
        scrivi(QStringLiteral("FINE"));
    }

    QFile file_;
};

} // namespace

void attivaSonda()
{
    const QString percorso = qEnvironmentVariable("RINSAL_SONDA");
    if (percorso.isEmpty()) {
        return;
    }
    qApp->installEventFilter(new Sonda(percorso));
}

} // namespace platform
