#pragma once

#include <string>

namespace common {

// A finite double rounded once, half away from zero, judged on the exact
// decimal expansion of the stored binary value (2.675 is stored as
// 2.67499999..., so it rounds down to 2.67; 0.125 is exact and rounds up).
//
// value = (negative ? -1 : 1) * digits * 10^-decimals; digits has no leading
// zeros ("0" for zero). decimals may be negative for large values rounded to
// fewer significant digits than they have integer digits.
struct RoundedDecimal {
    bool negative = false;
    std::string digits = "0";
    int decimals = 0;

    bool isZero() const { return digits == "0"; }
    // Decimal exponent of the leading digit (1234.5 -> 3, 0.05 -> -2).
    int leadingExponent() const { return int(digits.size()) - decimals - 1; }
};

// Rounds at the lesser of maxSignificant significant digits and maxDecimals
// decimals. The value must be finite.
RoundedDecimal roundHalfAwayFromZero(double value, int maxSignificant, int maxDecimals);

// Convenience for "no limit" on one side.
inline constexpr int kUnlimitedDigits = 100000;

} // namespace common
