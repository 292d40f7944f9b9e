#pragma once
// The frame every printout shares: print dialog, "Courier", the title line
// at column 7, sizes 18/12/8, decimal alignment, new page and end of job.

#include "platform/piattaforma.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace stampa {

constexpr double kYInizio = 800;      // twips, top of a listing or form page
constexpr double kYRelazione = 1000;  // twips, both positions after a report page break
constexpr double kTitolo = 18;
constexpr double kIntestazione = 12;
constexpr double kTabella = 8;

// Shows the print dialog; on Cancel (or no printer) nothing.
std::unique_ptr<platform::Stampante> apriLavoro();

// Where a print command sends its printout: the printer chosen in the print
// dialog, or the print preview.
enum class Uscita { Carta, Anteprima };
// Runs `scrivi`, which ends the job itself, on the print dialog's job
// (nothing on Cancel) or in the preview titled `titolo`, which may run it
// again, each time from the start.
void suLavoro(Uscita dove, const QString& titolo, const std::function<void(platform::Stampante&)>& scrivi);

// Starts a page: Y at 800 twips, "Courier", 18 points.
void inizioPagina(platform::Stampante& p);
// The page start and a title line at column 7.
void titolo(platform::Stampante& p, const QString& testo);
// The page start and the title line "RINSAL - calcolo di <calcolo>".
void intestazione(platform::Stampante& p, const QString& calcolo);

// Page break of a listing: new page and Y back at 800 twips.
void nuovaPagina(platform::Stampante& p);

// Ends the job; silent whatever happens.
void chiudiLavoro(platform::Stampante& p);

// Ends a printout that cannot go on (a value with no caption) as a printer
// error would, and counts it: the program is silent about it, a caller with
// no user (the batch printer) reads the count and says so.
void interrompi(platform::Stampante& p);
int interruzioni();

// The text cut into lines no wider than `larghezza` twips in the printer's
// current font and size: at a blank where there is one, else where the width
// runs out. Always at least one line (an empty text is one empty line).
QStringList aCapo(const platform::Stampante& p, const QString& testo, double larghezza);

// A number with its sign position, so its comma falls at column c + 1.
platform::Voce numero(double valore, int c);
// A typed text, so its comma falls at column c.
platform::Voce dato(const QString& testo, int c);
// A plain item at a column.
inline platform::Voce a(int colonna, const QString& testo) { return {colonna, testo}; }

// Texts one under the other at column `tab` (a legend, a list of entries).
template <typename Testi>
void elenco(platform::Stampante& p, int tab, const Testi& testi)
{
    for (const QString& t : testi) {
        p.stampaRiga({{tab, t}});
    }
}

// The table of a blank data form: its caption and unit lines at `tab`, a
// blank line, then `righe` ruled rows, each followed by a blank line.
void tabellaModulo(platform::Stampante& p, int tab, const QString& intestazione, const QString& unita,
                   const QString& riga, int righe);

// A value that may be missing: its number at column c, or a blank item there.
platform::Voce numero(const std::optional<double>& valore, int c);

// An empty item prints nothing; leaving it out of the line also keeps it
// from pushing the rest of the line onto a new one.
void aggiungi(std::vector<platform::Voce>& riga, const platform::Voce& v);
// A value that may be missing, added to the line only when it prints.
void aggiungi(std::vector<platform::Voce>& riga, const std::optional<double>& valore, int c);

} // namespace stampa
