#pragma once
// Where the program's own files (music, tips, examples) are: beside the
// executable when it runs from its build folder, in ../share/rinsal when it
// is installed (bin/ and share/ under one prefix, wherever that is).

#include <QString>
#include <QStringList>

// The folders looked in, in order, for a program whose executable is in
// `cartellaProgramma`: that folder, ../share/rinsal beside it, and last the
// working folder.
QStringList cartelleDati(const QString& cartellaProgramma);

// The first of `cartelle` that holds `nome`; when none does, where the file
// belongs (the installed data folder if there is one, else beside the
// executable), so that a message can say where to put it.
QString cercaDati(const QStringList& cartelle, const QString& nome);

// The two above for the running program.
QString percorsoDati(const QString& nome);

// The folder of the program's own files, as shown by --version.
QString cartellaDati();
