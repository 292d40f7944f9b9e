#pragma once
// Recovery copies of unsaved work: while a window holds changes that were
// never saved, its data (the window's own file layout) are copied now and
// then into the user's data folder, so that a crash or a power cut costs
// little typing. A clean save, a discard or a clean exit removes the copy.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace recupero {

// <AppDataLocation>/recupero
QString cartella();
// Where the copy named `nome` ("Tiranti-dati-") lives.
QString percorso(const QString& nome);

// Written whole beside the old copy and swapped in, never half; `file` is
// the data file the work came from (may be empty). False on a write error.
bool scrivi(const QString& nome, const QByteArray& dati, const QString& file);
void rimuovi(const QString& nome);

struct Copia {
    QString nome;       // "Tiranti-dati-"
    QString percorso;   // the copy itself
    QString file;       // the data file the work came from, or empty
    QDateTime scritta;
};
// The copies present, in name order.
std::vector<Copia> presenti();
// Moves a copy into `sottocartella` of the folder ("scartate",
// "illeggibili") under a name with its time; returns where it went, or
// nothing when it could not be moved.
std::optional<QString> mettiDaParte(const Copia& c, const QString& sottocartella);

// How often a window writes its copy, in milliseconds (30 s;
// RINSAL_INTERVALLO_RECUPERO overrides it for tests).
int intervallo();

} // namespace recupero
