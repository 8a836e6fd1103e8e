#pragma once

#include "projection.h"

#include <QMainWindow>

#include <array>
#include <exception>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QStatusBar;
class QTabWidget;
class QToolButton;

namespace common {
class HelpViewer;
class LinkLabel;
class PictureField;
}

namespace fernwick {

// The debt-versus-investment calculator: an introduction page and a page
// with the three inputs above ten years of results, recalculated whenever an
// input is left or the page is entered.
class TfrmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Handlers, named after the events and commands that run them.
    void FormCreate();
    void FormActivate();
    void CalculatePayVsInvest();
    void Reset();
    void AllowPrinting();
    void DisallowPrinting();
    void AllowReset();
    void DisallowReset();
    void btnForwardClick();
    void nbkMainPageChanged(int page);
    void ShowDisclaimer();
    void MnuHelpAboutClick();
    void MnuHelpContentsClick();
    void MnuHelpSearchClick();
    void MnuHelpHowClick();
    void Exit();
    void mnuFilePrintSetupClick();
    void SaveValuesAtExit();
    void AppOnException(std::exception_ptr error);
    void ApplicationActivate();
    void DisplayHint(const QString& hint);

    QString programFolder() const { return programFolder_; }
    QString settingsFile() const { return settingsFile_; }

signals:
    // The end of every recalculation.
    void recalculated();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildToolBar(QWidget* panel);
    void buildIntroductionPage(QWidget* page);
    void buildMathPage(QWidget* page);
    void buildMenus();
    void connectHandlers();
    void connectLinksAndHelp();
    void FormClose();
    void focusControl(QWidget* control);

    QString programFolder_;
    QString helpFile_;
    QString settingsFile_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<common::HelpViewer> help_;

    // Tool bar.
    QToolButton* btnPrint = nullptr;
    QToolButton* btnPrintSetup = nullptr;
    QToolButton* btnDisclaim = nullptr;
    QToolButton* btnReset = nullptr;
    QToolButton* btnUpdate = nullptr;
    QToolButton* btnHelp = nullptr;
    QToolButton* btnExit = nullptr;
    QLabel* lblCompany = nullptr;
    common::LinkLabel* urlQuintmoor = nullptr;

    QTabWidget* nbkMain = nullptr;
    QToolButton* btnForward = nullptr;
    common::PictureField* edtCash = nullptr;
    common::PictureField* edtDebtInterest = nullptr;
    common::PictureField* edtInvestmentReturn = nullptr;
    std::array<common::PictureField*, ProjectionYears> edtInvestment{};
    std::array<common::PictureField*, ProjectionYears> edtDebt{};
    std::array<common::PictureField*, ProjectionYears> edtDifference{};
    QStatusBar* StatusBar1 = nullptr;

    // Menus.
    QAction* mnuFileReset = nullptr;
    QAction* mnuFilePrintSetup = nullptr;
    QAction* mnuFilePrint = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuPop = nullptr;
    QAction* mnuPopPrint = nullptr;
    QAction* mnuPopReset = nullptr;
    QAction* mnuPopDisclaim = nullptr;
    QAction* mnuPopExit = nullptr;
};

} // namespace fernwick
