#include "shoring/archivio.h"

#include <algorithm>

namespace modpuntelli {

namespace {
// Option values are taken as they stand, within what a small integer holds.
constexpr int kMinimo = -32768;
constexpr int kMassimo = 32767;
} // namespace

void ScriviPuntelli(archivio::ScrittoreRecord& w, const Lavoro& l)
{
    const int n = std::clamp(l.numeroConsolidamenti, 0, kMaxConsolidamenti);
    w.intero(n);
    w.fineRecord();
    for (int c = 1; c <= n; ++c) {
        for (int m = kSotto; m <= kSopra; ++m) {
            const Zona& z = l.cons[c].zona[m];
            for (int v : {z.tipologia, z.qualita, z.natura, z.estensione, z.gravita}) {
                w.intero(v);
            }
            w.fineRecord();
        }
    }
    for (int c = 1; c <= n; ++c) {
        const Consolidamento& k = l.cons[c];
        w.intero(k.tipo);
        w.fineRecord();
        if (k.tipo == 3) {
            for (const QString* t : {&k.altar, &k.spessfr, &k.spessnor, &k.sigm, &k.rag, &k.carsem, &k.carpil}) {
                w.testo(*t);
            }
            w.fineRecord();
            continue;
        }
        for (const QString* t : {&k.carpu, &k.ang, &k.altpu, &k.spessfr, &k.spessnor, &k.sigm}) {
            w.testo(*t);
        }
        if (k.tipo == 2) {
            const int np = std::clamp(k.numeroPuntelli, 0, kMaxPuntelli);
            w.intero(np);
            w.fineRecord();
            for (int p = 1; p <= np; ++p) {
                w.testo(k.puntelli[p].frec);
                w.testo(k.puntelli[p].altdef);
                w.fineRecord();
            }
        } else {
            w.intero(k.lesioni);
            w.fineRecord();
        }
    }
}

void LeggiPuntelli(archivio::LettoreRecord& r, Lavoro& l)
{
    const int n = r.intero(0, kMaxConsolidamenti);
    r.fineRecord();
    l.numeroConsolidamenti = n;
    for (int c = 1; c <= n; ++c) {
        for (int m = kSotto; m <= kSopra; ++m) {
            Zona& z = l.cons[c].zona[m];
            for (int* v : {&z.tipologia, &z.qualita, &z.natura, &z.estensione, &z.gravita}) {
                *v = r.intero(kMinimo, kMassimo);
            }
            r.fineRecord();
        }
    }
    for (int c = 1; c <= n; ++c) {
        Consolidamento& k = l.cons[c];
        k.tipo = r.intero(kMinimo, kMassimo);
        r.fineRecord();
        if (k.tipo == 3) {
            for (QString* t : {&k.altar, &k.spessfr, &k.spessnor, &k.sigm, &k.rag, &k.carsem, &k.carpil}) {
                *t = r.dato();
            }
            r.fineRecord();
            continue;
        }
        for (QString* t : {&k.carpu, &k.ang, &k.altpu, &k.spessfr, &k.spessnor, &k.sigm}) {
            *t = r.dato();
        }
        if (k.tipo == 2) {
            k.numeroPuntelli = r.intero(0, kMaxPuntelli);
            r.fineRecord();
            for (int p = 1; p <= k.numeroPuntelli; ++p) {
                k.puntelli[p].frec = r.dato();
                k.puntelli[p].altdef = r.dato();
                r.fineRecord();
            }
        } else {
            k.lesioni = r.intero(kMinimo, kMassimo);
            r.fineRecord();
        }
    }
}

} // namespace modpuntelli
