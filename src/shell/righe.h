#pragma once
// One input column of a row window: rows 1..100, index 0 stays empty as the
// previous row of row 1. A null text is a value never set; an empty one was
// typed and then emptied.
#include <QString>
#include <array>

using ColonnaRighe = std::array<QString, 101>;
