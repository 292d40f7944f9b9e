#include "pillarhooping/archivio.h"

#include <algorithm>

namespace modcerpil {

void scriviPilastri(archivio::ScrittoreRecord& w, const DatiPilastri& dati, int numero, int tipo)
{
    const int n = std::clamp(numero, 0, kRighe);
    w.intero(n);
    if (tipo == kCaldo || tipo == kFreddo) {
        w.intero(tipo);
    } else {
        w.testo(QString());
    }
    w.fineRecord();
    for (int i = 1; i <= n; ++i) {
        for (int c = 0; c < kCampi; ++c) {
            w.testo(dati.valore(c, i));
        }
        w.fineRecord();
    }
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
