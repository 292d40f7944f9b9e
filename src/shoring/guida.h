#pragma once
// What the data window says about the job: the next step for the guidance
// box, and the data check's first missing value.

#include "platform/piattaforma.h"
#include "shoring/dati.h"

#include <QString>
#include <optional>

namespace modpuntelli {

// The guidance text for consolidation c (0: not set yet), zone m (0 when
// none chosen) and prop p.
QString GuidaPuntelli(const Lavoro& l, int c, int m, int p);

struct Segnalazione {
    QString testo;
    platform::Icona icona;
};

// The first problem of consolidations 1..NumeroConsolidamenti, or nothing
// when every value is present. Presence only, not plausibility.
std::optional<Segnalazione> ControllaPuntelli(const Lavoro& l);

} // namespace modpuntelli
