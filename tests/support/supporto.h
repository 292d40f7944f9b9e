#pragma once
// Shared set-up of the test programs: scripted platform, private settings
// folder, the program-wide values as at start-up.

#include "platform/piattaforma_scritta.h"

#include <QString>

namespace supporto {

// Installs the scripted platform, resets the program-wide values and
// registers the windows.
platform::Scena prepara();

// Closes every window of the program.
void chiudiTutte();

// A data file shipped in data/ (examples, music).
QString fileDati(const QString& nome);

} // namespace supporto
