#pragma once

#include "locale_record.h"
#include "trade.h"

#include <QString>

#include <array>

namespace gildcrest {

// The net-profit chart: 8 columns by 9 rows of texts. Row 0 holds the sell
// prices, column 0 the buy prices; the 56 other cells the net profit for
// their row's buy price and column's sell price.
inline constexpr int kChartColumns = 8;
inline constexpr int kChartRows = 9;
inline constexpr int kEnteredPriceColumn = 4; // the entered sell price
inline constexpr int kEnteredPriceRow = 1;    // the entered buy price
inline constexpr int kHeaderColumnWidth = 64;
inline constexpr int kDataColumnWidth = 78;
inline constexpr int kChartRowHeight = 18;

struct ChartCell {
    int column;
    int row;
};

// The cell that is always selected: the net profit at the entered prices.
inline constexpr ChartCell kSelectedCell{kEnteredPriceColumn, kEnteredPriceRow};

// Data cells of the entered sell price's column and the entered buy price's
// row are painted yellow.
constexpr bool isHighlightedCell(int column, int row)
{
    const bool dataCell = column > 0 && row > 0;
    return dataCell && (column == kEnteredPriceColumn || row == kEnteredPriceRow);
}

class ProfitChart {
public:
    const QString& text(int column, int row) const { return cells_[index(column, row)]; }
    void setText(int column, int row, QString text) { cells_[index(column, row)] = std::move(text); }

private:
    static std::size_t index(int column, int row) { return std::size_t(row * kChartColumns + column); }
    std::array<QString, kChartColumns * kChartRows> cells_;
};

struct ChartInputs {
    double buyPrice = 0.0;
    double shares = 0.0;
    double buyCommission = 0.0;
    double sellPrice = 0.0;
    double sellCommission = 0.0;
    CommissionTypes types;
    double increment = 0.0;
};

// Writes the 15 header texts and the 56 net profits, in that order, data
// column by column. A price or profit that is not a finite number throws
// common::ArithmeticFault at once; the texts written before it stay.
void fillChart(ProfitChart& chart, const ChartInputs& inputs, const common::LocaleRecord& locale);

// Empties every cell and writes the initial headers.
void cleanChart(ProfitChart& chart);

// The headers for buy 0, sell 0 and a step of 0.25, in fixed United States
// form whatever the locale; the corner text among them.
void writeInitialHeaders(ProfitChart& chart);

} // namespace gildcrest
