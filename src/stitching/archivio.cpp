#include "stitching/archivio.h"

#include "shell/numeri.h"

#include <cmath>

namespace modcuciture {

void scriviCuciture(archivio::ScrittoreRecord& w, const DatiCuciture& dati, int numeroCuciture, int tipo)
{
    archivio::scriviRigheTipo(w, dati.campi, numeroCuciture, tipo);
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

namespace {

void scriviValore(archivio::ScrittoreRecord& w, const Valore& v)
{
    if (v) {
        w.numero(*v);
    } else {
        w.testo(QString());
    }
}

// A bare number within a bar's range, or nothing.
Valore leggiValore(archivio::LettoreRecord& r, double minimo, double massimo)
{
    const int riga = r.riga();
    const QString t = r.testo();
    if (t.isNull()) {
        return std::nullopt;
    }
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < minimo || v > massimo) {
        throw archivio::ErroreFormato(riga, QStringLiteral("il valore \"%1\" non è ammesso (da %2 a %3)")
                                                .arg(t.left(40), numeri::testo(minimo), numeri::testo(massimo)));
    }
    return v;
}

} // namespace

void scriviScelte(archivio::ScrittoreRecord& w, const Scelte& s)
{
    scriviValore(w, s.mostrati[1]);
    scriviValore(w, s.mostrati[2]);
    w.fineRecord();
    for (const auto& riga : s.righe) {
        for (const Valore& v : riga) {
            scriviValore(w, v);
        }
        w.fineRecord();
    }
}

std::optional<Scelte> leggiScelte(archivio::LettoreRecord& r, int numero)
{
    if (r.fineFile()) {
        return std::nullopt;
    }
    Scelte s;
    s.mostrati[1] = leggiValore(r, kTirantiMinimo, kTirantiMassimo);
    s.mostrati[2] = leggiValore(r, kTirantiMinimo, kTirantiMassimo);
    r.fineRecord();
    for (int i = 1; i <= numero; ++i) {
        std::array<Valore, 3> riga{};
        riga[0] = leggiValore(r, kSigmaMinima, kSigmaMassima);
        riga[1] = leggiValore(r, kTirantiMinimo, kTirantiMassimo);
        riga[2] = leggiValore(r, kTirantiMinimo, kTirantiMassimo);
        r.fineRecord();
        s.righe.push_back(riga);
    }
    return s;
}

} // namespace modcuciture
