#pragma once

namespace gildcrest {

// How the commission number of one side of the trade is read; switching the
// type never converts the number.
enum class TCommissionType {
    ctFee = 0,     // a fixed dollar amount for that side
    ctPercent = 1, // per cent of that side's amount, 1.5 meaning 1.5 %
};

struct TTradeInput {
    double BuyPrice = 0.0;
    double Shares = 0.0;
    double BuyCommission = 0.0;
    TCommissionType BuyCommissionType = TCommissionType::ctFee;
    double SellPrice = 0.0;
    double SellCommission = 0.0;
    TCommissionType SellCommissionType = TCommissionType::ctFee;
};

struct TTradeResult {
    double BuyCommissionPaid = 0.0;
    double TotalPaid = 0.0;
    double GrossProfit = 0.0; // the sale before cost and commissions
    double SellCommissionPaid = 0.0;
    double NetProfit = 0.0;
};

// The two commission types, the same for every cell of one chart.
struct CommissionTypes {
    TCommissionType buy = TCommissionType::ctFee;
    TCommissionType sell = TCommissionType::ctFee;
};

// The two sides of a trade, worked out one after the other so that a window
// can show the buy side before the sell side is read.
struct TBuySide {
    double CommissionPaid = 0.0;
    double TotalPaid = 0.0; // cost of the shares plus the commission
};

struct TSellSide {
    double GrossProfit = 0.0; // the sale itself
    double CommissionPaid = 0.0;
    double NetProfit = 0.0;
};

// Nothing is rounded: amounts stay doubles until they are shown. Any double
// is accepted; an amount that comes out NaN or infinite (a product beyond
// the range of a double) throws common::ArithmeticFault.
TBuySide CalcBuySide(double BuyPrice, double Shares, double BuyCommission, TCommissionType type);
TSellSide CalcSellSide(double SellPrice, double Shares, double SellCommission, TCommissionType type,
                       double TotalPaid);
TTradeResult CalcTrade(const TTradeInput& input);

double CalcProfit(double BuyPrice, double Shares, double BuyCommission, double SellPrice,
                  double SellCommission, CommissionTypes types);

} // namespace gildcrest
