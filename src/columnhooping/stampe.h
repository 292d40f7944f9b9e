#pragma once
// The two column-hooping printouts, written against the printer interface
// over the window's plain data: the blank data-acquisition form, and the
// data and results (one page per row for the hot rings, one page for all
// the cold rows).

#include "columnhooping/calcolo.h"
#include "platform/piattaforma.h"
#include "shell/disegno.h"

#include <optional>

namespace modcercol {

// One page; ends the job.
void stampaModulo(platform::Stampante& p);

// Type 2: one page for rows 1..numero; any other type: one page per row,
// at least one (row 1), each with the chart of its ring. Ends the job. In
// report mode (`relazione`) the title and project lines are left out and
// the "RISULTATI" lines keep the 18-point size.
void stampaDatiRisultati(platform::Stampante& p, const DatiCerchiature& dati, const RisultatiCerchiature& ris,
                         int tipo, int numero, const QString& progetto, bool relazione);

// The chart of row r's ring, its stress and total pull over the operating
// temperature, as the hot listing draws it; nothing while the row has no hot
// results. The pull is the stress over the ring's section: height times
// thickness (mm).
std::optional<disegno::Grafico> datiGrafico(const DatiCerchiature& dati, const RisultatiCerchiature& ris, int r);

} // namespace modcercol
