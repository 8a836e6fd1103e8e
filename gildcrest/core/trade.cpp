#include "trade.h"

#include "faults.h"

using common::checkedAmount;

namespace gildcrest {

namespace {
constexpr double kPercentDivisor = 100.0;
} // namespace

TBuySide CalcBuySide(double BuyPrice, double Shares, double BuyCommission, TCommissionType type)
{
    const double cost = checkedAmount(BuyPrice * Shares);
    if (type == TCommissionType::ctFee)
        return {checkedAmount(BuyCommission), checkedAmount(cost + BuyCommission)};
    const double paid = checkedAmount(cost * (BuyCommission / kPercentDivisor));
    return {paid, checkedAmount(cost + paid)};
}

TSellSide CalcSellSide(double SellPrice, double Shares, double SellCommission, TCommissionType type,
                       double TotalPaid)
{
    const double proceeds = checkedAmount(SellPrice * Shares);
    const double paid = type == TCommissionType::ctFee
                            ? checkedAmount(SellCommission)
                            : checkedAmount((SellCommission / kPercentDivisor) * proceeds);
    return {proceeds, paid, checkedAmount(proceeds - paid - TotalPaid)};
}

TTradeResult CalcTrade(const TTradeInput& input)
{
    const TBuySide buy = CalcBuySide(input.BuyPrice, input.Shares, input.BuyCommission, input.BuyCommissionType);
    const TSellSide sell = CalcSellSide(input.SellPrice, input.Shares, input.SellCommission,
                                        input.SellCommissionType, buy.TotalPaid);
    return {buy.CommissionPaid, buy.TotalPaid, sell.GrossProfit, sell.CommissionPaid, sell.NetProfit};
}

double CalcProfit(double BuyPrice, double Shares, double BuyCommission, double SellPrice,
                  double SellCommission, CommissionTypes types)
{
    const double totalPaid = CalcBuySide(BuyPrice, Shares, BuyCommission, types.buy).TotalPaid;
    return CalcSellSide(SellPrice, Shares, SellCommission, types.sell, totalPaid).NetProfit;
}

} // namespace gildcrest
