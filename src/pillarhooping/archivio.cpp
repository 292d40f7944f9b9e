#include "pillarhooping/archivio.h"

namespace modcerpil {

void scriviPilastri(archivio::ScrittoreRecord& w, const DatiPilastri& dati, int numero, int tipo)
{
    archivio::scriviRigheTipo(w, dati.colonne, numero, tipo);
}

Intestazione leggiPilastri(archivio::LettoreRecord& r, DatiPilastri& dati)
{
    Intestazione t;
    t.numero = r.intero(0, kRighe);
    t.tipo = r.intero(0, kFreddo);
    r.fineRecord();
    for (int i = 1; i <= t.numero; ++i) {
        for (int c = 0; c < kCampi; ++c) {
            dati.colonna(c)[std::size_t(i)] = r.dato();
        }
        r.fineRecord();
    }
    return t;
}

} // namespace modcerpil
