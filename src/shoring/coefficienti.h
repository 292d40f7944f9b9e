#pragma once
// Load reduction coefficients: c1 from the walls below the horizon of the
// prop heads, c2 from the walls above it. Each is a sum of percentage points
// over the five choices of its zone, divided by 100 and bounded at 1.

#include "shoring/dati.h"

namespace modpuntelli {

int puntiC1(const Zona& z);
int puntiC2(const Zona& z);

// points / 100, at most 1 (no lower bound).
double coefficiente(int punti);

inline double CoefficienteC1(const Zona& sotto) { return coefficiente(puntiC1(sotto)); }
inline double CoefficienteC2(const Zona& sopra) { return coefficiente(puntiC2(sopra)); }

} // namespace modpuntelli
