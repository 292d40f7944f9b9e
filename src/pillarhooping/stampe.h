#pragma once
// The pillar-hooping data-and-results listing: one table of every row with
// the data the cold helix uses and its five results. The window has no
// print command of its own; the batch printer prints it through the window.

#include "pillarhooping/calcolo.h"
#include "platform/piattaforma.h"

namespace modcerpil {

// Rows 1..numero on one table (page breaks as the printer makes them).
// Ends the job.
void stampaDatiRisultati(platform::Stampante& p, const DatiPilastri& dati, const RisultatiPilastri& ris, int numero,
                         const QString& progetto);

} // namespace modcerpil
