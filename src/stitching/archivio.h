#pragma once
// The record layout of the stitching file: the number of rows and the type,
// then one record of twelve texts per row. The title-page record that
// closes the file belongs to the window frame.

#include "shell/archivio.h"
#include "stitching/calcolo.h"

namespace modcuciture {

void scriviCuciture(archivio::ScrittoreRecord& w, const DatiCuciture& dati, int numeroCuciture, int tipo);

struct Intestazione {
    int numero = 0;
    int tipo = 0;
};

// Reads the count, the type and rows 1..N into `dati`; throws
// archivio::ErroreFormato, leaving the rows read so far in place.
Intestazione leggiCuciture(archivio::LettoreRecord& r, DatiCuciture& dati);

// What the engineer set with the scroll bars of the results, which the pass
// does not derive from the data: the counts of hot ties per horizontal row
// shown for each side, and for rows 1..N the steel stress of the cold
// stitches and the tie counts of each side. They follow the title page, one
// record of the two shown counts, then one record per row, so that a reader
// that stops after the title page still reads the rest; a file without them
// leaves every value unset.
struct Scelte {
    std::array<Valore, 3> mostrati{};                 // index 1 short side, 2 long side
    std::vector<std::array<Valore, 3>> righe;          // row r at r - 1: sigmf, ntir short, ntir long
};
void scriviScelte(archivio::ScrittoreRecord& w, const Scelte& s);
// The choices for `numero` rows, or none when the file ends first; throws
// archivio::ErroreFormato for a value out of its bar's range.
std::optional<Scelte> leggiScelte(archivio::LettoreRecord& r, int numero);

} // namespace modcuciture
