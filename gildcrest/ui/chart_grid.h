#pragma once

#include "profit_chart.h"

#include <QTableWidget>

namespace gildcrest {

// The net-profit chart on screen: header cells in the button face colour,
// the entered prices' column and row in yellow, and the cell of the entered
// prices always selected, red on yellow while the grid has no focus.
// Cells cannot be edited; the grid is reached by a click, never by Tab.
class ChartGrid : public QTableWidget {
    Q_OBJECT

public:
    explicit ChartGrid(QWidget* parent = nullptr);

    void showChart(const ProfitChart& chart);
    void setColumnWidths();
    // Makes the entered prices' cell the selected one, without a click event.
    void selectEnteredPriceCell();

signals:
    // A click on a cell or a move of the current cell with the keyboard.
    void cellChosen();
};

} // namespace gildcrest
