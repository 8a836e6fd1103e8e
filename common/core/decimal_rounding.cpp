#include "decimal_rounding.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace common {

namespace {

// Largest exact fixed text of a double: 309 integer digits, a point and
// 1074 fractional digits.
constexpr int kExactTextCapacity = 1400;

// Number of fractional decimal digits in the exact expansion of |value|:
// a double m * 2^-k (m odd) has exactly k of them.
int exactFractionDigits(double magnitude)
{
    int exponent = 0;
    const double fraction = std::frexp(magnitude, &exponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int binaryExponent = exponent - 53 + std::countr_zero(mantissa);
    return binaryExponent < 0 ? -binaryExponent : 0;
}

// Adds one unit in the last place of a string of decimal digits.
void incrementDigits(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

void stripLeadingZeros(std::string& digits)
{
    const auto firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos)
        digits.assign(1, '0');
    else
        digits.erase(0, firstNonZero);
}

} // namespace

RoundedDecimal roundHalfAwayFromZero(double value, int maxSignificant, int maxDecimals)
{
    RoundedDecimal result;
    result.negative = std::signbit(value);
    const double magnitude = std::fabs(value);
    if (magnitude == 0.0)
        return result;

    // The exact decimal expansion, without the point.
    char text[kExactTextCapacity];
    const int fractionDigits = exactFractionDigits(magnitude);
    const auto [end, ec] = std::to_chars(text, text + sizeof text, magnitude,
                                         std::chars_format::fixed, fractionDigits);
    std::string digits(text, end);
    if (fractionDigits > 0)
        digits.erase(digits.size() - fractionDigits - 1, 1);
    stripLeadingZeros(digits);

    const int leadingExponent = int(digits.size()) - fractionDigits - 1;
    const int keptDecimals = std::min(maxDecimals, maxSignificant - 1 - leadingExponent);

    result.decimals = std::min(fractionDigits, keptDecimals);
    const int dropped = fractionDigits - result.decimals;
    if (dropped > 0) {
        const int kept = int(digits.size()) - dropped;
        // Half away from zero on exact digits: the first dropped digit decides.
        const bool roundUp = kept >= 0 && digits[kept] >= '5';
        digits.resize(std::max(kept, 0));
        if (roundUp)
            incrementDigits(digits);
        stripLeadingZeros(digits);
    }
    result.digits = std::move(digits);
    return result;
}

} // namespace common
