#pragma once
// The fixed parts of the complete calculation report: the title page and
// the chapters of each kind of strengthening work, printed onto a job that
// the title-page window has opened.

#include "platform/piattaforma.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace relazione {

struct Capitoli {
    QStringList criteri;
    QStringList esecuzione;
    QStringList esecuzioneSegue;   // after the page break inside the execution
    QStringList note;
};

// Chapters of the calculation kind: 1 (and any code outside 1..5) shoring,
// 2 tie rods, 3 column hooping, 5 stitching; nothing for pillar hooping.
// `tipoPuntelli` is the shoring calculation type as the results window
// shows it; `tipoFinestra` the type chosen in the column-hooping or the
// stitching window: 2 means the cold helix or the cold stitches, any other
// value the hot rings or the hot ties.
std::optional<Capitoli> capitoli(int tipoCalcolo, const QString& tipoPuntelli, int tipoFinestra = 0);

struct DatiFrontespizio {
    QStringList campi;   // progetto, località, committente, luogo, data, allegati
    QString studio;
    QString indirizzo;
};

// Page 1, without page number; ends with a new page.
void stampaFrontespizio(platform::Stampante& p, const DatiFrontespizio& d);

// "pagina n" at the foot of the page.
void NumeroPagina(platform::Stampante& p);
// "pagina n" above the top of a listing page, in the same column; the size
// and position the printout had are kept.
void NumeroPaginaInCima(platform::Stampante& p);

// The three chapters and the attachments, each page closed by its number
// and a new page. The text is 12 points where it fits the page with a right
// margin like the left one, smaller where it would not.
void stampaCapitoli(platform::Stampante& p, const Capitoli& c, const QString& allegati);

} // namespace relazione
