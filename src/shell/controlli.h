#pragma once
// Small builders shared by the row windows: captions, value cells, the
// row-number colours, scroll bars and the busy pointer.

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QRect>
#include <QScrollBar>
#include <QString>
#include <optional>

namespace controlli {

inline const QColor kCiano(0, 255, 255);
inline const QColor kGiallo(255, 255, 0);
// Result cells: light blue, so that they read apart from the white fields.
inline const QColor kAzzurroRisultati(204, 236, 255);

// A caption or unit label, word-wrapped.
QLabel* etichetta(QWidget* s, const QString& testo, QRect geo, const QFont& f, Qt::Alignment a,
                  const QString& suggerimento = QString());

// A result cell: light blue, framed, right-aligned like the fields.
QLabel* cella(QWidget* s, QRect geo, const QFont& f, const QString& suggerimento);

// Background colour of a label, black text.
void colora(QLabel* l, const QColor& c);

QScrollBar* barra(QWidget* s, Qt::Orientation o, QRect geo, int minimo, int massimo, int passo, int pagina,
                  int valore, const QString& nome);

// A result as the window shows it: empty when there is none.
QString mostra(const std::optional<double>& v);

// The row refresh and the recalculation run under the busy pointer.
class Occupato {
public:
    Occupato();
    ~Occupato();
    Occupato(const Occupato&) = delete;
    Occupato& operator=(const Occupato&) = delete;
};

} // namespace controlli
