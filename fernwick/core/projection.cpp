#include "projection.h"

#include "faults.h"

#include <cmath>
#include <limits>

namespace fernwick {

namespace {

// Converting a long double beyond the range of a double is undefined in
// C++; such a result is an overflow, so it becomes an infinity for the
// check to report.
double roundedToDouble(long double value)
{
    if (std::isnan(value))
        return std::numeric_limits<double>::quiet_NaN();
    if (std::fabs(value) > std::numeric_limits<double>::max())
        return value > 0 ? std::numeric_limits<double>::infinity() : -std::numeric_limits<double>::infinity();
    return static_cast<double>(value);
}

// One year of compound growth. The rate's quotient, the growth and the sum
// stay in extended precision (the quotient of a rate such as 7 / 100 is not
// exact in binary, and rounding it to a double would shift the last bits);
// only the year's amount is rounded to a double, and the next year starts
// from that stored double.
double grownByOneYear(double amount, double ratePercent)
{
    const long double start = amount;
    const long double growth = start * (static_cast<long double>(ratePercent) / 100.0L);
    return common::checkedAmount(roundedToDouble(start + growth));
}

} // namespace

std::array<PayVsInvestYear, ProjectionYears> ProjectPayVsInvest(double cash, double debtInterest,
                                                                double investmentReturn)
{
    std::array<PayVsInvestYear, ProjectionYears> years{};
    double investment = cash;
    double debt = cash;
    for (PayVsInvestYear& year : years) {
        investment = grownByOneYear(investment, investmentReturn);
        debt = grownByOneYear(debt, debtInterest);
        year = {investment, debt, common::checkedAmount(investment - debt)};
    }
    return years;
}

} // namespace fernwick
