#pragma once
// The record layout of the tie-rod file: the number of tie rods, then one
// record of nine texts per row. The title-page record that closes the file
// belongs to the window frame.

#include "shell/archivio.h"
#include "tierods/calcolo.h"

namespace modtiranti {

void scriviTiranti(archivio::ScrittoreRecord& w, const DatiTiranti& dati, int numeroTiranti);

// Reads the count and rows 1..N into `dati` and returns N; throws
// archivio::ErroreFormato, leaving the rows read so far in place.
int leggiTiranti(archivio::LettoreRecord& r, DatiTiranti& dati);

} // namespace modtiranti
