#include "tierods/archivio.h"

#include <algorithm>

namespace modtiranti {

void scriviTiranti(archivio::ScrittoreRecord& w, const DatiTiranti& dati, int numeroTiranti)
{
    const int n = std::clamp(numeroTiranti, 0, kRighe);
    w.intero(n);
    w.fineRecord();
    for (int i = 1; i <= n; ++i) {
        for (int c = 0; c < kCampi; ++c) {
            w.testo(dati.colonna(c)[i]);
        }
        w.fineRecord();
    }
}

int leggiTiranti(archivio::LettoreRecord& r, DatiTiranti& dati)
{
    const int n = r.intero(0, kRighe);
    r.fineRecord();
    for (int i = 1; i <= n; ++i) {
        for (int c = 0; c < kCampi; ++c) {
            dati.colonna(c)[i] = r.dato();
        }
        r.fineRecord();
    }
    return n;
}

} // namespace modtiranti
