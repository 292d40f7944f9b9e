#pragma once
// Shared set-up of the test programs: scripted platform, private settings
// folder, the program-wide values as at start-up.

#include "platform/piattaforma_scritta.h"
#include "platform/stampante_testo.h"

#include <QString>
#include <vector>

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

} // namespace supporto
