#pragma once
// The number conversions every window and printout uses: texts as typed with
// the decimal comma, the leading-number reading, display and print texts, and
// the one whole-number cut.

#include <QString>

#include <algorithm>
#include <cmath>
#include <optional>

namespace numeri {

// Text as typed ("12,5", "-0,3", "007") -> number; nothing for a text that is
// not a number ("", "1,2,3", "5-3", "-,", "12.5").
std::optional<double> daTesto(const QString& testo);

// The leading number of a text read with a period as the only decimal
// separator: "12,5" -> 12, "0,5" -> 0, "" -> 0, "-3.5x" -> -3.5.
double numeroIniziale(const QString& testo);

// Every whole-number cut: floor(x + 1e-9 * max(1, |x|)), so a value that is
// whole in exact decimal arithmetic is never cut one unit low (tolerance
// capped at 1e-3 for huge values). Inline: the hot passes cut every value
// of every temperature.
inline double intero(double x)
{
    if (!std::isfinite(x)) {
        return x;
    }
    // The tolerance is capped: past a million it would otherwise reach whole
    // units and lift a value that is already whole.
    return std::floor(x + std::min(1e-9 * std::max(1.0, std::fabs(x)), 1e-3));
}

// floor(x * 10^k) / 10^k through the same cut.
inline double tronca(double x, int decimali)
{
    // Powers of ten up to 10^15 are exact doubles, the same pow gives; the
    // table spares the hot loops a pow call per value.
    static constexpr double kPotenze[16] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const double f = decimali >= 0 && decimali < 16 ? kPotenze[decimali] : std::pow(10.0, decimali);
    return intero(x * f) / f;
}

// floor(x + 0.5) through the same cut.
inline double arrotonda(double x) { return intero(x + 0.5); }

// Number -> display text: decimal comma, at most 15 significant digits, no
// trailing zeros, no thousands separator, no exponent; -0 shows as "0".
// A non-finite value gives the empty text.
QString testo(double x);

// Number -> printed item: the display text with one leading sign position.
QString stampa(double x);

// True for a finite value (neither nan nor inf).
inline bool finito(double x) { return std::isfinite(x); }

} // namespace numeri
