#include "chart_grid.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace gildcrest {

namespace {

// Qt draws a grid line inside each section; the chart's sizes are without it.
constexpr int kGridLine = 1;
constexpr int kTextInset = 2;

class ChartCellDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const auto* grid = static_cast<const QTableWidget*>(parent());
        const int column = index.column();
        const int row = index.row();
        const bool header = column == 0 || row == 0;
        const bool selected = column == kSelectedCell.column && row == kSelectedCell.row;
        const bool gridFocused = grid->hasFocus();

        QColor background = option.palette.color(header ? QPalette::Button : QPalette::Base);
        if (isHighlightedCell(column, row))
            background = Qt::yellow;
        QColor textColour = option.palette.color(QPalette::WindowText);
        if (selected && !gridFocused)
            textColour = Qt::red;

        painter->save();
        painter->fillRect(option.rect, background);
        painter->setPen(textColour);
        painter->setFont(option.font);
        const QRect textArea = option.rect.adjusted(kTextInset, kTextInset, -kTextInset, 0);
        painter->drawText(textArea, Qt::AlignHCenter | Qt::AlignTop, index.data().toString());
        if (selected && gridFocused) {
            QStyleOptionFocusRect focus;
            focus.initFrom(grid);
            focus.rect = option.rect.adjusted(1, 1, -1, -1);
            focus.backgroundColor = background;
            grid->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, grid);
        }
        painter->restore();
    }
};

} // namespace

ChartGrid::ChartGrid(QWidget* parent) : QTableWidget(kChartRows, kChartColumns, parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kChartRowHeight + kGridLine);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setFocusPolicy(Qt::ClickFocus);
    setWordWrap(false);
    setItemDelegate(new ChartCellDelegate(this));
    for (int row = 0; row < kChartRows; ++row)
        for (int column = 0; column < kChartColumns; ++column)
            setItem(row, column, new QTableWidgetItem);
    setColumnWidths();
    selectEnteredPriceCell();

    connect(this, &QTableWidget::cellClicked, this, &ChartGrid::cellChosen);
    connect(this, &QTableWidget::currentCellChanged, this, &ChartGrid::cellChosen);
}

void ChartGrid::showChart(const ProfitChart& chart)
{
    for (int row = 0; row < kChartRows; ++row)
        for (int column = 0; column < kChartColumns; ++column)
            item(row, column)->setText(chart.text(column, row));
}

void ChartGrid::setColumnWidths()
{
    setColumnWidth(0, kHeaderColumnWidth + kGridLine);
    for (int column = 1; column < kChartColumns; ++column)
        setColumnWidth(column, kDataColumnWidth + kGridLine);
}

void ChartGrid::selectEnteredPriceCell()
{
    const QSignalBlocker quiet(this);
    setCurrentCell(kSelectedCell.row, kSelectedCell.column);
    viewport()->update();
}

} // namespace gildcrest
