#pragma once

#include <stdexcept>
#include <string>

namespace common {

// A computed amount that is not a finite number (overflow or an invalid
// operation). IEEE doubles never trap, so the arithmetic checks its own
// results and throws this instead.
class ArithmeticFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that does not convert to a number.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Returns value unchanged, or throws ArithmeticFault when it is NaN or infinite.
double checkedAmount(double value);

} // namespace common
