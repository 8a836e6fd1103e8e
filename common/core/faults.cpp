#include "faults.h"

#include <cmath>

namespace common {

double checkedAmount(double value)
{
    if (std::isnan(value))
        throw ArithmeticFault("Invalid floating point operation");
    if (std::isinf(value))
        throw ArithmeticFault("Floating point overflow");
    return value;
}

} // namespace common
