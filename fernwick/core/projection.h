#pragma once

#include <array>

namespace fernwick {

inline constexpr int ProjectionYears = 10;

// One year of the comparison. Debt is the cash grown at the debt's rate had
// it been left owing (a growth figure like Investment, not a balance); a
// positive Difference means investing comes out ahead.
struct PayVsInvestYear {
    double Investment;
    double Debt;
    double Difference; // Investment - Debt
};

// Years 1 to 10, year 1 first, each already holding one year of growth.
// Rates are per cent as typed (18 means 18 %); any values are accepted,
// zero and negative rates included. Throws common::ArithmeticFault when an
// amount is not a finite number (non-finite inputs, overflow).
std::array<PayVsInvestYear, ProjectionYears> ProjectPayVsInvest(double cash, double debtInterest,
                                                                double investmentReturn);

} // namespace fernwick
