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
#include <utility>

namespace controlli {

inline const QColor kCiano(0, 255, 255);
inline const QColor kGiallo(255, 255, 0);
// Result cells: light blue, so that they read apart from the white fields.
inline const QColor kAzzurroRisultati(204, 236, 255);

// A caption or unit label, word-wrapped.
QLabel* etichetta(QWidget* s, const QString& testo, QRect geo, const QFont& f, Qt::Alignment a,
                  const QString& suggerimento = QString());

// A result cell: light blue, framed, right-aligned like the fields. A value
// wider than the cell is cut inside it, never drawn over the next cell: the
// decimals first, with "…" where they stop; an integer part that does not
// fit is drawn smaller rather than cut. The whole value is in the tooltip,
// under the cell's own text.
class Cella : public QLabel {
    Q_OBJECT
public:
    explicit Cella(QWidget* genitore) : QLabel(genitore) {}
    // The text drawn in the cell at its present size, and its font.
    std::pair<QString, QFont> mostrato() const;
    // The same, for the program's probe (which knows no shell types).
    Q_INVOKABLE QString testoMostrato() const { return mostrato().first; }
    Q_INVOKABLE QFont fontMostrato() const { return mostrato().second; }
    // The tooltip shown on hover: the cell's own text, then the whole value.
    QString suggerimentoCompleto() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    bool event(QEvent* e) override;
};
QLabel* cella(QWidget* s, QRect geo, const QFont& f, const QString& suggerimento);

// A small scroll bar that sets the value shown in `mostra` (a field or a
// label): before an arrow, trough, key or wheel step the bar takes the value
// shown (less `scarto`), so the step starts from what the user sees, not
// from where the bar was last left. An empty or non-numeric text puts the bar
// at `vuoto`; nothing: the bar stays where it is.
void legaBarra(QScrollBar* b, QWidget* mostra, std::optional<int> vuoto = std::nullopt, int scarto = 0);

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
