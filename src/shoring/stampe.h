#pragma once
// Shoring printouts: the blank data-acquisition form and the listing of data
// and results, one page per consolidation. Both write onto a job already
// opened (print dialog or report) and end it.

#include "platform/piattaforma.h"
#include "shoring/dati.h"

namespace modpuntelli {

void ModuloAcquisizione(platform::Stampante& p);

// `relazione`: the listing is part of the complete report, which printed the
// title and the project itself. False when the listing stopped at a
// consolidation with an option not chosen (nothing to print for it).
bool StampaDatiRisultati(platform::Stampante& p, const Lavoro& l, const QString& progetto, bool relazione);

} // namespace modpuntelli
