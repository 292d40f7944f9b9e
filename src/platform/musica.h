#pragma once
// The start-up music: where its file is, and the system's own player
// (FluidSynth on Linux, the MCI sequencer on Windows).

#include "platform/piattaforma.h"

#include <QString>

#include <memory>

namespace platform {

// A relative music file name is looked up in the working folder, then beside
// the executable. Empty when found nowhere.
QString trovaFileMusica(const QString& nome);

// The player of this system; silent wherever there is no sound.
std::unique_ptr<LettoreMidi> lettoreMidiDiSistema();

} // namespace platform
