#include "stitching/archivio.h"

#include <algorithm>

namespace modcuciture {

void scriviCuciture(archivio::ScrittoreRecord& w, const DatiCuciture& dati, int numeroCuciture, int tipo)
{
    const int n = std::clamp(numeroCuciture, 0, kRighe);
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

Intestazione leggiCuciture(archivio::LettoreRecord& r, DatiCuciture& dati)
{
    Intestazione t;
    t.numero = r.intero(0, kRighe);
    t.tipo = r.intero(1, 2);
    r.fineRecord();
    for (int i = 1; i <= t.numero; ++i) {
        for (int c = 0; c < kCampi; ++c) {
            dati.colonna(c)[std::size_t(i)] = r.dato();
        }
        r.fineRecord();
    }
    return t;
}

} // namespace modcuciture
