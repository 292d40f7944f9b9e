#pragma once
// The steel of tie rods, hoops and stitches: the same in every calculation
// that uses it.

namespace acciaio {

constexpr double kModulo = 2000000;        // elastic modulus, kg/cm²
constexpr double kDilatazione = 0.000012;  // thermal expansion per °C

} // namespace acciaio
