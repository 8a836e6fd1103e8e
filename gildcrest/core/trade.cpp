#include "trade.h"

#include "faults.h"

using common::checkedAmount;

namespace gildcrest {

namespace {

constexpr double kPercentDivisor = 100.0;

struct BuySide {
    double commissionPaid;
    double totalPaid;
};

BuySide buySide(double buyPrice, double shares, double commission, TCommissionType type)
{
    const double cost = checkedAmount(buyPrice * shares);
    if (type == TCommissionType::ctFee)
        return {checkedAmount(commission), checkedAmount(cost + commission)};
    const double paid = checkedAmount(cost * (commission / kPercentDivisor));
    return {paid, checkedAmount(cost + paid)};
}

double sellCommissionPaid(double proceeds, double commission, TCommissionType type)
{
    if (type == TCommissionType::ctFee)
        return checkedAmount(commission);
    return checkedAmount((commission / kPercentDivisor) * proceeds);
}

} // namespace

TTradeResult CalcTrade(const TTradeInput& input)
{
    TTradeResult result;
    const BuySide buy = buySide(input.BuyPrice, input.Shares, input.BuyCommission, input.BuyCommissionType);
    result.BuyCommissionPaid = buy.commissionPaid;
    result.TotalPaid = buy.totalPaid;
    const double proceeds = checkedAmount(input.SellPrice * input.Shares);
    result.SellCommissionPaid = sellCommissionPaid(proceeds, input.SellCommission, input.SellCommissionType);
    result.NetProfit = checkedAmount(proceeds - result.SellCommissionPaid - result.TotalPaid);
    result.GrossProfit = proceeds;
    return result;
}

double CalcProfit(double BuyPrice, double Shares, double BuyCommission, double SellPrice,
                  double SellCommission, CommissionTypes types)
{
    return CalcTrade({BuyPrice, Shares, BuyCommission, types.buy, SellPrice, SellCommission, types.sell})
        .NetProfit;
}

} // namespace gildcrest
