#pragma once
// Shared set-up of the test programs: scripted platform, private settings
// folder, the program-wide values as at start-up.

#include "platform/piattaforma_scritta.h"
#include "platform/stampante_testo.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class FinestraGrafico;
namespace disegno {
struct Grafico;
}

namespace supporto {

// Installs the scripted platform, resets the program-wide values and
// registers the windows.
platform::Scena prepara();

// Closes every window of the program.
void chiudiTutte();

// A data file shipped in data/ (examples, music).
QString fileDati(const QString& nome);

// The first fault of the drawings of a printout, or an empty text: an item
// outside the printable area, an item above the foot of the page's last
// print line, two labels overlapping, a line through a label; pages from
// `daPagina` on (a report's title page has its rules among its lines).
QString difettiDisegni(const platform::StampanteTesto& p, int daPagina = 1);

// The labels of a page, in drawing order.
std::vector<platform::Tratto> etichette(const platform::StampanteTesto& p, int pagina);

// The drawing a chart window shows, one line per item as a printer gets it,
// and the drawing of `dati` in the same place: equal when the window shows
// those data.
QStringList disegnoMostrato(FinestraGrafico& g);
QStringList disegnoDi(const FinestraGrafico& g, const std::optional<disegno::Grafico>& dati);
// The chart window painted as on screen: the first of its thick lines (the
// series and their legend) whose middle is not dark there, or an empty text.
QString lineeNonVisibili(FinestraGrafico& g);

} // namespace supporto
