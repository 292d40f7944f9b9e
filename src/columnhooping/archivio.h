#pragma once
// The record layout of the column-hooping file: the number of rows and the
// type, then one record of eleven texts per row. The title-page record that
// closes the file belongs to the window frame.

#include "columnhooping/calcolo.h"
#include "shell/archivio.h"

namespace modcercol {

void scriviCerchiature(archivio::ScrittoreRecord& w, const DatiCerchiature& dati, int numero, int tipo);

// Reads the first record, then rows 1..N into `dati`; `tipo` takes the type
// as soon as it is read and found valid (1 or 2). Returns N; throws
// archivio::ErroreFormato, leaving the rows read so far in place.
int leggiCerchiature(archivio::LettoreRecord& r, DatiCerchiature& dati, int& tipo);

} // namespace modcercol
