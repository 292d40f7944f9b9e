#pragma once
// The number conversions every window and printout uses: texts as typed with
// the decimal comma, the leading-number reading, display and print texts, and
// the one whole-number cut.

#include <QString>
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
// capped at 1e-3 for huge values).
double intero(double x);

// floor(x * 10^k) / 10^k through the same cut.
double tronca(double x, int decimali);

// floor(x + 0.5) through the same cut.
double arrotonda(double x);

// Number -> display text: decimal comma, at most 15 significant digits, no
// trailing zeros, no thousands separator, no exponent; -0 shows as "0".
// A non-finite value gives the empty text.
QString testo(double x);

// Number -> printed item: the display text with one leading sign position.
QString stampa(double x);

// True for a finite value (neither nan nor inf).
bool finito(double x);

} // namespace numeri
