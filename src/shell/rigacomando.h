#pragma once
// The program's command line: `rinsal [FILEDATI]`, `--help`, `--version`.
// A data file named on the command line (the file manager's "Open with")
// opens in the window of its calculation, as File > Open would.

#include <QString>
#include <QStringList>

namespace rigacomando {

enum class Comando { Finestre, Aiuto, Versione, UsoErrato };

struct Richiesta {
    Comando comando = Comando::Finestre;
    QString file;     // with Finestre: the data file to open, if any
    QString errore;   // with UsoErrato: what was wrong
};

// `argomenti` without the program name. The toolkit's options (-platform
// NAME, -style NAME, ...) are passed over; help and version win over any
// mistake. Read before the toolkit starts, so that no answer needs a display.
Richiesta leggi(const QStringList& argomenti);

QString testoAiuto();
QString testoVersione();

// Answers --help, --version and a wrong usage without opening a window (no
// display needed); -1 when the windows are wanted.
int rispondi(const Richiesta& r);

// The calculation a data file belongs to, from its name's prefix: 1..5 as
// the main menu's options, 0 when the name says nothing.
int calcoloDelFile(const QString& nome);

// Writes on standard error which of the program's own files are missing, so
// that a broken installation says so.
void avvisaFileMancanti();

// Once the start-up window is up: what a click on it does (menu shown, music
// paused), then the file's window with the file opened in it. A file that
// cannot be opened leaves the program at the main menu.
void apriFile(const QString& file);

} // namespace rigacomando
