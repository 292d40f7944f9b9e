#include "columnhooping/archivio.h"

#include <algorithm>

namespace modcercol {

void scriviCerchiature(archivio::ScrittoreRecord& w, const DatiCerchiature& dati, int numero, int tipo)
{
    const int n = std::clamp(numero, 0, kRighe);
    w.intero(n);
    w.intero(tipo);
    w.fineRecord();
    // Both types' fields, whichever type is in use.
    for (int i = 1; i <= n; ++i) {
        for (int c = 0; c < kCampi; ++c) {
            w.testo(dati.valore(c, i));
        }
        w.fineRecord();
    }
}

int leggiCerchiature(archivio::LettoreRecord& r, DatiCerchiature& dati, int& tipo)
{
    const int n = r.intero(0, kRighe);
    tipo = r.intero(kCaldo, kFreddo);
    r.fineRecord();
    for (int i = 1; i <= n; ++i) {
        for (int c = 0; c < kCampi; ++c) {
            dati.colonna(c)[std::size_t(i)] = r.dato();
        }
        r.fineRecord();
    }
    return n;
}

} // namespace modcercol
