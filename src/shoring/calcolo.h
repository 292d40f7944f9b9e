#pragma once
// The shoring calculation: for every consolidation of the job, the reduced
// load, the prop force and the smallest square section found by search; for a
// series of props, the thrust and forces of every prop.

#include "shoring/dati.h"

#include <QString>

namespace modpuntelli {

// What the calculation reads from the data window.
struct Schermo {
    int consolidamento = 0;   // ConsolidamentoCorrente; 0 while the window loads
    // The texts shown in the fields.
    QString carpu, ang, altpu, altar, sigm;
};

enum class Esito {
    Completo,        // every consolidation computed, props recounted
    Precondizione,   // the consolidation shown lacks data: nothing computed
    Incompleto,      // a consolidation lacks data (or has a text that is no number)
    Impossibile,     // a zero makes the arithmetic impossible (angle 0 or 90, stress 0, ...)
    Assurdo,         // negative ratio under a root, or a side beyond any real prop
};

struct EsitoCalcolo {
    Esito esito = Esito::Completo;
    int consolidamento = 0;   // where the pass ended; 0 when it did not start
    // The window shows "Attenzione: sono stati digitati dati assurdi, controllare."
    bool datiAssurdi() const { return esito == Esito::Assurdo; }
};

// A side beyond this (cm) is no real prop: the search gives up there.
constexpr double kLatoMassimo = 10000;

// One pass over consolidations 1..NumeroConsolidamenti. A consolidation whose
// arithmetic is impossible or absurd has its results emptied (coefficients
// kept) and ends the pass, so no stale value stays shown beside its data.
EsitoCalcolo CalcolaPuntelli(Lavoro& l, const Schermo& schermo);

// The calculation type a stored value is computed as: 2 and 3 as themselves,
// anything else as 1.
inline int tipoCalcolato(int tipo) { return (tipo == 2 || tipo == 3) ? tipo : 1; }

} // namespace modpuntelli
