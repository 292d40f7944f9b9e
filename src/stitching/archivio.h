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

} // namespace modcuciture
