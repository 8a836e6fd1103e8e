#pragma once

#include "profit_chart.h"
#include "trade.h"

#include <QMainWindow>

#include <exception>
#include <memory>

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPrinter;
class QRadioButton;
class QStatusBar;
class QToolButton;

namespace common {
class HelpViewer;
class NumericEdit;
}

namespace gildcrest {

class ChartGrid;

// The stock calculator: the trade's entry and result fields, the increment
// and the net-profit chart, recalculated on every change of an entry field.
class TfrmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Handlers, named after the events and commands that run them.
    void FormCreate();
    void CalcStock();
    void SetBuyCommissionType();
    void SetSellCommissionType();
    void Reset();
    void CleanGrid();
    void AllowPrinting();
    void AppOnException(std::exception_ptr error);
    void ApplicationActivate();
    void DisplayHint(const QString& hint);
    void ShowFracCalc();
    void ShowAbout();
    void mnuHelpContentsClick();
    void mnuHelpSearchClick();
    void mnuHelpHowClick();
    void MnuFilePrinterSetupClick();
    void mnuFileExitClick();

    // Read by the printed chart and written by the fraction calculator.
    common::NumericEdit* buyPriceField() const { return edtStockBuyPrice; }
    common::NumericEdit* sellPriceField() const { return edtStockSellPrice; }
    const ProfitChart& chart() const { return chart_; }
    QString programFolder() const { return programFolder_; }

signals:
    // The end of every recalculation, nested ones included.
    void recalculated();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildToolBar(QWidget* panel);
    void buildTradeBand(QWidget* panel);
    void buildIncrementBand(QWidget* panel);
    void buildMenus();
    void connectHandlers();
    void connectLinksAndHelp();
    void setTabOrder();
    void FormClose();
    void setCommissionType(TCommissionType& type, TCommissionType chosen, common::NumericEdit* field,
                           QLabel* caption);
    void focusControl(QWidget* control);
    void setResetEnabled(bool enabled);
    void setFractionText(const QString& text);

    // The state besides the controls.
    TCommissionType buyCommissionType_ = TCommissionType::ctFee;
    TCommissionType sellCommissionType_ = TCommissionType::ctFee;
    QString programFolder_;
    QString helpFile_;
    ProfitChart chart_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<common::HelpViewer> help_;
    bool recoveringFromFault_ = false;
    bool faultReported_ = false;

    // Tool bar.
    QFrame* Panel1 = nullptr;
    QToolButton* btnFracCalc = nullptr;
    QToolButton* btnPrint = nullptr;
    QToolButton* btnReset = nullptr;
    QToolButton* btnHelp = nullptr;
    QToolButton* oxGraphicButton2 = nullptr;
    QToolButton* oxGraphicButton1 = nullptr;
    QLabel* lblCompany = nullptr;

    // Trade band.
    QFrame* Panel24 = nullptr;
    common::NumericEdit* edtStockBuyPrice = nullptr;
    common::NumericEdit* edtStockShares = nullptr;
    common::NumericEdit* edtStockBuyCommission = nullptr;
    common::NumericEdit* edtBuyCommissionPaid = nullptr;
    common::NumericEdit* edtStockTotalPaid = nullptr;
    common::NumericEdit* edtStockSellPrice = nullptr;
    common::NumericEdit* edtStockGrossProfit = nullptr;
    common::NumericEdit* edtStockSellCommission = nullptr;
    common::NumericEdit* edtSellCommissionPaid = nullptr;
    common::NumericEdit* edtStockProfit = nullptr;
    QToolButton* ExplorerButton1 = nullptr;
    QToolButton* ExplorerButton2 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QRadioButton* rbBfee = nullptr;
    QRadioButton* rbBpercent = nullptr;
    QRadioButton* rbSfee = nullptr;
    QRadioButton* rbSpercent = nullptr;
    QLabel* lblCommissionBuy = nullptr;
    QLabel* lblCommissionSell = nullptr;

    // Increment band and chart.
    common::NumericEdit* edtSpread = nullptr;
    QComboBox* cbSpread = nullptr;
    common::NumericEdit* edtTotalSpread = nullptr;
    ChartGrid* grdSP = nullptr;
    QStatusBar* StatusBar = nullptr;

    // Menus.
    QAction* mnuFileFractionCalc = nullptr;
    QAction* mnuFileReset = nullptr;
    QAction* MnuFilePrinterSetup = nullptr;
    QAction* MnuFilePrint = nullptr;
    QAction* MnuFileExit = nullptr;
    QAction* MnuHelpContents = nullptr;
    QAction* MnuHelpAbout = nullptr;
    QMenu* MnuPopup = nullptr;
};

} // namespace gildcrest
