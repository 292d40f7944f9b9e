#pragma once
// The two stitching printouts, written against the printer interface over
// the window's plain data: the blank data-acquisition form and the listing
// of data and results (one page per pier for hot ties, one table for cold
// stitches).

#include "platform/piattaforma.h"
#include "shell/disegno.h"
#include "stitching/calcolo.h"

#include <optional>

namespace modcuciture {

// One page; ends the job.
void stampaModulo(platform::Stampante& p);

// Ends the job. In report mode (`relazione`) the program and project lines
// are left out and the cold table carries its own 18-point heading.
void stampaDatiRisultati(platform::Stampante& p, const DatiCuciture& dati, const RisultatiCuciture& ris,
                         int numeroCuciture, int tipo, const QString& progetto, bool relazione);

// The chart of pier r's ties, their working stress on both sides over the
// operating temperature, as the hot listing draws it; nothing while the
// pier has no hot results.
std::optional<disegno::Grafico> datiGrafico(const DatiCuciture& dati, const RisultatiCuciture& ris, int r);

} // namespace modcuciture
