#pragma once
// The font families the program names, as this system has them: the
// printouts and windows were laid out with the Linux families, and Windows
// has its own metric equivalents.

#include <QString>

namespace platform {

// For the printer ("Courier" becomes "Courier New" on Windows).
QString famigliaStampa(const QString& nome);
// For the windows.
QString famigliaSchermo(const QString& nome);

} // namespace platform
