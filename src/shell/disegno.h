#pragma once
// Drawings and charts of the printouts, made only of the printer's own
// operations (lines with a width, labels at a position, font size), so that
// paper, PDF and the text backend show the same items. The printouts of the
// calculations say what to draw; this module knows how.

#include "platform/piattaforma.h"

#include <QPointF>
#include <QString>

#include <optional>
#include <vector>

namespace disegno {

struct Riquadro {
    double x = 0;
    double y = 0;
    double larghezza = 0;
    double altezza = 0;
    double destra() const { return x + larghezza; }
    double fondo() const { return y + altezza; }
};

// The printable area of the page, in twips from its corner.
Riquadro pagina();

// Labels are in "Courier", whose cells are 0.6 em wide: a label's box.
constexpr double kEtichetta = 7;   // points, labels and ticks
constexpr double kTitolo = 8;      // points, the heading of a drawing
double larghezza(const QString& testo, double punti);
double altezza(double punti);

// Room for a drawing below the last print line: from the line plus a gap
// down to the foot of the page, at most `massima` twips high. When less than
// `minima` is left, the page is ended and the drawing takes the top of the
// next one.
Riquadro spazio(platform::Stampante& p, double minima, double massima);

// A linear scale with round ticks (1, 2 or 5 times a power of ten).
struct Scala {
    double min = 0;
    double max = 1;
    double passo = 1;
    // The round ticks that cover a..b in at most `intervalli` steps.
    static Scala leggibile(double a, double b, int intervalli);
    std::vector<double> tacche() const;
    // v mapped from min..max onto da..a.
    double su(double v, double da, double a) const;
};

enum class Allineo { Sinistra, Centro, Destra };

// Draws on a printer and gives it back as it found it (size, position).
class Disegno {
public:
    explicit Disegno(platform::Stampante& p);
    ~Disegno();
    Disegno(const Disegno&) = delete;
    Disegno& operator=(const Disegno&) = delete;

    void linea(double x1, double y1, double x2, double y2, int spessore = 1);
    // `tratto` > 0 draws it dashed, dashes and gaps of that length.
    void polilinea(const std::vector<QPointF>& punti, int spessore, double tratto = 0);
    void rettangolo(const Riquadro& r, int spessore = 1);
    // Hatching at 45 degrees inside the box, `passo` twips apart.
    void campitura(const Riquadro& r, double passo);
    // A label whose box is centred vertically on `yCentro`.
    void testo(double x, double yCentro, const QString& t, double punti, Allineo a = Allineo::Sinistra);
    // A dimension line between two points on one horizontal or vertical,
    // with oblique ticks at its ends and its value beside it: above or below
    // a horizontal one (`lato` < 0 above), left or right of a vertical one.
    void quota(double x1, double y1, double x2, double y2, const QString& valore, int lato = -1);

private:
    platform::Stampante& p_;
    double punti_;
    double x_;
    double y_;
};

struct Serie {
    QString nome;                               // for the legend
    std::vector<std::optional<double>> valori;  // one per abscissa
    bool tratteggiata = false;
    bool destra = false;                        // on the right-hand axis
};

struct Grafico {
    QString titolo;
    QString nomeX;
    std::vector<double> x;
    QString unitaSinistra;
    QString unitaDestra;
    std::vector<Serie> serie;
    // A marked abscissa (the laying temperature) and its label.
    std::optional<double> riferimento;
    QString nomeRiferimento;
    // Hatches where every left-axis series is 0 or less, with this label.
    QString nomeZonaZero;
};

// Title, legend, axes with ticks and units, the series, the marked abscissa
// and the zero region, inside `r`. Nothing is drawn (false) when no series
// holds a value.
bool grafico(platform::Stampante& p, const Riquadro& r, const Grafico& g);

} // namespace disegno
