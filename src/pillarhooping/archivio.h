#pragma once
// The record layout of the pillar-hooping file: the number of rows and the
// type, then one record of ten texts per row. No title-page record.

#include "pillarhooping/calcolo.h"
#include "shell/archivio.h"

namespace modcerpil {

// A type of 0 (none chosen yet) is written as a never-set value.
void scriviPilastri(archivio::ScrittoreRecord& w, const DatiPilastri& dati, int numero, int tipo);

struct Intestazione {
    int numero = 0;
    int tipo = 0;
};

// Reads the first record, then rows 1..N into `dati` (rows after N are left
// alone). Throws archivio::ErroreFormato; `dati` may then hold part of it.
Intestazione leggiPilastri(archivio::LettoreRecord& r, DatiPilastri& dati);

} // namespace modcerpil
