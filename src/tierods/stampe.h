#pragma once
// The two tie-rod printouts, written against the printer interface over the
// window's plain data: the blank data-acquisition form and the data and
// results of every tie rod, one page each.

#include "platform/piattaforma.h"
#include "shell/disegno.h"
#include "tierods/calcolo.h"

#include <optional>

namespace modtiranti {

// One page; ends the job.
void stampaModulo(platform::Stampante& p);

// One page per tie rod 1..numeroTiranti; ends the job. In report mode
// (`relazione`) the program and project lines are left out and the
// "RISULTATI" line keeps the 18-point size.
void stampaDatiRisultati(platform::Stampante& p, const DatiTiranti& dati, const RisultatiTiranti& ris,
                         int numeroTiranti, const QString& progetto, bool relazione);

// The chart of rod i's stress and frequency over the ambient temperature,
// every degree, as the listing draws it beside the elevation; nothing while
// the rod has no temperature table.
std::optional<disegno::Grafico> datiGrafico(const DatiTiranti& dati, const RisultatiTiranti& ris, int i);

} // namespace modtiranti
