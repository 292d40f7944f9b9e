#pragma once
// Record layout of a shoring file ("Puntelli-dati-..."): the count, all zone
// records, then per consolidation its type and the data of that type. The
// title-page record that ends the file is the window's business.

#include "shell/archivio.h"
#include "shoring/dati.h"

namespace modpuntelli {

void ScriviPuntelli(archivio::ScrittoreRecord& w, const Lavoro& l);

// Reads into a job already cleared; throws archivio::ErroreFormato on a file
// that does not match, leaving what was read before the error.
void LeggiPuntelli(archivio::LettoreRecord& r, Lavoro& l);

} // namespace modpuntelli
