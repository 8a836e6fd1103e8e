#include "decimal_rounding.h"

#include <algorithm>
#include <array>
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

// Powers of ten that a double holds exactly, for the integer fast path.
constexpr std::array<double, 16> kExactPowersOfTen = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
constexpr std::array<std::uint64_t, 4> kSmallPowersOfTen = {1, 10, 100, 1000};

// Amounts below 10^15 rounded to at most 3 decimals are worked out exactly in
// 64-bit integers: m * 2^-s * 10^k stays below 2^63. This is the path of every
// amount on screen and paper; anything else takes the decimal expansion.
bool roundWithIntegers(double magnitude, int maxSignificant, int maxDecimals, RoundedDecimal& result)
{
    if (magnitude >= kExactPowersOfTen.back() || maxDecimals < 0
        || maxDecimals >= int(kSmallPowersOfTen.size()) || maxSignificant <= maxDecimals)
        return false;
    int leadingExponent = 0;
    while (leadingExponent + 1 < int(kExactPowersOfTen.size())
           && magnitude >= kExactPowersOfTen[std::size_t(leadingExponent) + 1])
        ++leadingExponent;
    const int keptDecimals = std::min(maxDecimals, maxSignificant - 1 - leadingExponent);
    if (keptDecimals < 0)
        return false;

    int exponent = 0;
    const double fraction = std::frexp(magnitude, &exponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int shift = 53 - exponent; // magnitude = mantissa * 2^-shift
    const std::uint64_t scaled = mantissa * kSmallPowersOfTen[std::size_t(keptDecimals)];
    std::uint64_t units = 0;
    if (shift < 64) { // shift > 0: the magnitude is below 2^50
        units = scaled >> shift;
        const std::uint64_t remainder = scaled & ((std::uint64_t(1) << shift) - 1);
        if (remainder >= (std::uint64_t(1) << (shift - 1)))
            ++units;
    } // else below half a unit: rounds to zero

    char text[24];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, units);
    result.digits.assign(text, end);
    result.decimals = units == 0 ? 0 : keptDecimals;
    return true;
}

} // namespace

RoundedDecimal roundHalfAwayFromZero(double value, int maxSignificant, int maxDecimals)
{
    RoundedDecimal result;
    result.negative = std::signbit(value);
    const double magnitude = std::fabs(value);
    if (magnitude == 0.0 || roundWithIntegers(magnitude, maxSignificant, maxDecimals, result))
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
