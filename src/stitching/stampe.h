#pragma once
// The two stitching printouts, written against the printer interface over
// the window's plain data: the blank data-acquisition form and the listing
// of data and results (one page per pier for hot ties, one table for cold
// stitches).

#include "platform/piattaforma.h"
#include "stitching/calcolo.h"

namespace modcuciture {

// One page; ends the job.
void stampaModulo(platform::Stampante& p);

// Ends the job. In report mode (`relazione`) the program and project lines
// are left out and the cold table carries its own 18-point heading.
void stampaDatiRisultati(platform::Stampante& p, const DatiCuciture& dati, const RisultatiCuciture& ris,
                         int numeroCuciture, int tipo, const QString& progetto, bool relazione);

} // namespace modcuciture
