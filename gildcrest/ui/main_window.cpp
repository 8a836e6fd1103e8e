#include "main_window.h"

#include "about_box.h"
#include "app_frame.h"
#include "chart_grid.h"
#include "exit_watch.h"
#include "faults.h"
#include "frac_calc.h"
#include "help_viewer.h"
#include "form_parts.h"
#include "fractions.h"
#include "maker.h"
#include "url_opener.h"
#include "web_addresses.h"
#include "numeric_edit.h"
#include "program_constants.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStatusBar>
#include <QToolButton>

using common::AppFrame;
using common::NumericEdit;

namespace gildcrest {

namespace {

constexpr int kClientWidth = 622;
constexpr int kToolBarHeight = 33;
constexpr int kTradePanelHeight = 334;
constexpr int kStatusBarHeight = 19;
constexpr int kHintDelayMs = 500;

constexpr int kPriceDecimals = 5;
constexpr int kMoneyDecimals = 2;
constexpr int kPercentDecimals = 3;

// Rows of the trade band.
constexpr int kBuyCaptionTop = 9;
constexpr int kBuyFieldTop = 26;
constexpr int kSellCaptionTop = 51;
constexpr int kSellFieldTop = 65;
constexpr int kFieldWidth = 80;
constexpr int kFieldHeight = 22;
constexpr int kCaptionHeight = 14;
constexpr int kCaptionOverhang = 8;

// Columns of the trade band (left edges).
constexpr int kPriceColumn = 51;
constexpr int kFractionButtonColumn = 131;
constexpr int kSharesColumn = 164;
constexpr int kCommissionTypeColumn = 254;
constexpr int kCommissionColumn = 343;
constexpr int kCommissionPaidColumn = 433;
constexpr int kTotalColumn = 522;

constexpr int kIncrementFieldTop = 122;

const QString kFaultMessage = QStringLiteral(
    "Valid results cannot be calculated using\n\r"
    "the variables you have entered.\n\r"
    "\n\r"
    "Please try again with reasonable values.");
const QString kUnidentifiedError = QStringLiteral("An unidentified error has occurred.");
const QString kCommissionInDollars = QStringLiteral("Commission ($)");
const QString kCommissionInPercent = QStringLiteral("Commission (%)");
const QString kDefaultFraction = QStringLiteral("1/4");

NumericEdit* entryField(QWidget* parent, const QString& name, int decimals, QPoint at, const QString& hint,
                        const QString& accessibleName)
{
    auto* field = new NumericEdit(decimals, parent);
    field->setObjectName(name);
    field->setGeometry(QRect(at, QSize(kFieldWidth, kFieldHeight)));
    field->setAlignment(Qt::AlignCenter);
    field->setStatusTip(hint);
    field->setAccessibleName(accessibleName);
    return field;
}

NumericEdit* resultField(QWidget* parent, const QString& name, QPoint at, const QString& accessibleName,
                         int decimals = kMoneyDecimals)
{
    auto* field = new NumericEdit(decimals, parent);
    field->setObjectName(name);
    field->setGeometry(QRect(at, QSize(kFieldWidth, kFieldHeight)));
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->makeResultField();
    field->setAccessibleName(accessibleName);
    return field;
}

} // namespace

TfrmMain::TfrmMain(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmMain"));
    setFont(common::arialFont(11));
    setBackgroundRole(QPalette::Button);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kToolBarHeight + kTradePanelHeight);
    setCentralWidget(client);

    Panel1 = common::makeRaisedPanel(client, QStringLiteral("Panel1"), QRect(0, 0, kClientWidth, kToolBarHeight));
    buildToolBar(Panel1);

    Panel24 = new QFrame(client);
    Panel24->setObjectName(QStringLiteral("Panel24"));
    Panel24->setGeometry(0, kToolBarHeight, kClientWidth, kTradePanelHeight);
    buildTradeBand(Panel24);
    buildIncrementBand(Panel24);
    grdSP = new ChartGrid(Panel24);
    grdSP->setObjectName(QStringLiteral("grdSP"));
    grdSP->setGeometry(0, kTradePanelHeight - 175, kClientWidth, 175);
    grdSP->setFont(common::arialFont(11));
    grdSP->setStatusTip(QStringLiteral("Chart displays Net Profit based upon ranges of Buy and Sell prices."));
    grdSP->setAccessibleName(QStringLiteral("Net profit chart"));

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    StatusBar->setFixedHeight(kStatusBarHeight);
    setStatusBar(StatusBar);

    buildMenus();
    setFixedSize(kClientWidth, menuBar()->sizeHint().height() + client->height() + kStatusBarHeight);
    setTabOrder();
    connectHandlers();
    connectLinksAndHelp();

    AppFrame::instance().guard([this] { FormCreate(); });
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::buildToolBar(QWidget* panel)
{
    const auto button = [panel](const char* name, const char* icon, int left, const char* hint) {
        return common::makePictureButton(panel, QString::fromLatin1(name), QString::fromLatin1(icon), QRect(left, 4, 25, 25),
                             QString::fromLatin1(hint));
    };
    btnFracCalc = button("btnFracCalc", "fraction-calculator", 8, "Click to use the Stock Fraction Calculator ...");
    btnPrint = button("btnPrint", "print", 41, "Click for Print Preveiw ...");
    btnReset = button("btnReset", "reset", 73, "Click to reset ...");
    btnHelp = button("btnHelp", "help", 106, "Click for help ...");
    oxGraphicButton2 = button("oxGraphicButton2", "update", 138, "Check for Update ...");
    oxGraphicButton1 = button("oxGraphicButton1", "exit", 590, "Click to exit");
    btnPrint->setEnabled(false);
    btnReset->setEnabled(false);

    lblCompany = new QLabel(QString::fromUtf16(common::kMakerName), panel);
    lblCompany->setObjectName(QStringLiteral("lblCompany"));
    lblCompany->setFont(common::arialFont(16, true));
    lblCompany->move(208, 7);
    lblCompany->adjustSize();
    // The hand shows that the name can be clicked (it opens the about box).
    lblCompany->setCursor(Qt::PointingHandCursor);
    lblCompany->installEventFilter(this);
}

void TfrmMain::buildTradeBand(QWidget* panel)
{
    common::makeRaisedPanel(panel, QStringLiteral("bvlTrade"), QRect(0, 0, kClientWidth, 92));

    // Captions are centred over their fields, a little wider than them, so
    // that "Commission Paid" is never clipped.
    const auto caption = [panel](const char* name, const QString& text, int left, int top) {
        return common::makeLabel(panel, QString::fromLatin1(name), text,
                     QRect(left - kCaptionOverhang, top, kFieldWidth + 2 * kCaptionOverhang, kCaptionHeight));
    };
    const auto rowTitle = [panel](const char* name, const char* text, int fieldTop) {
        QLabel* title = common::makeLabel(panel, QString::fromLatin1(name), QString::fromLatin1(text),
                              QRect(19, fieldTop, 30, kFieldHeight), Qt::AlignRight | Qt::AlignVCenter);
        title->setFont(common::arialFont(12, true));
    };

    rowTitle("lblBuy", "BUY", kBuyFieldTop);
    caption("lblBuyPriceCaption", QStringLiteral("Share Price"), kPriceColumn, kBuyCaptionTop);
    caption("lblSharesCaption", QStringLiteral("No. Shares:"), kSharesColumn, kBuyCaptionTop);
    caption("lblBuyTypeCaption", QStringLiteral("Commision As:"), kCommissionTypeColumn, kBuyCaptionTop);
    lblCommissionBuy = caption("lblCommissionBuy", kCommissionInDollars, kCommissionColumn, kBuyCaptionTop);
    caption("lblBuyPaidCaption", QStringLiteral("Commission Paid"), kCommissionPaidColumn, kBuyCaptionTop);
    caption("lblTotalPaidCaption", QStringLiteral("Total Paid"), kTotalColumn, kBuyCaptionTop);

    rowTitle("lblSell", "SELL", kSellFieldTop);
    caption("lblSellPriceCaption", QStringLiteral("Share Price"), kPriceColumn, kSellCaptionTop);
    caption("lblGrossProfitCaption", QStringLiteral("Gross Profit"), kSharesColumn, kSellCaptionTop);
    lblCommissionSell = caption("lblCommissionSell", kCommissionInDollars, kCommissionColumn, kSellCaptionTop);
    caption("lblSellPaidCaption", QStringLiteral("Commission Paid"), kCommissionPaidColumn, kSellCaptionTop);
    caption("lblNetProfitCaption", QStringLiteral("Net Profit"), kTotalColumn, kSellCaptionTop);

    const QString commissionHint = QStringLiteral("Enter amount of commission in dollars or as a percent");
    edtStockBuyPrice = entryField(panel, QStringLiteral("edtStockBuyPrice"), kPriceDecimals,
                                  {kPriceColumn, kBuyFieldTop}, QStringLiteral("Enter purchase price per share"),
                                  QStringLiteral("Buy share price"));
    edtStockShares = entryField(panel, QStringLiteral("edtStockShares"), 0, {kSharesColumn, kBuyFieldTop},
                                QStringLiteral("Enter number of shares purchased"), QStringLiteral("Number of shares"));
    edtStockBuyCommission = entryField(panel, QStringLiteral("edtStockBuyCommission"), kMoneyDecimals,
                                       {kCommissionColumn, kBuyFieldTop}, commissionHint,
                                       QStringLiteral("Buy commission"));
    edtBuyCommissionPaid = resultField(panel, QStringLiteral("edtBuyCommissionPaid"),
                                       {kCommissionPaidColumn, kBuyFieldTop}, QStringLiteral("Buy commission paid"));
    edtStockTotalPaid = resultField(panel, QStringLiteral("edtStockTotalPaid"), {kTotalColumn, kBuyFieldTop},
                                    QStringLiteral("Total paid"));

    edtStockSellPrice = entryField(panel, QStringLiteral("edtStockSellPrice"), kPriceDecimals,
                                   {kPriceColumn, kSellFieldTop}, QStringLiteral("Enter the sell price per share"),
                                   QStringLiteral("Sell share price"));
    edtStockGrossProfit = resultField(panel, QStringLiteral("edtStockGrossProfit"), {kSharesColumn, kSellFieldTop},
                                      QStringLiteral("Gross profit"));
    edtStockSellCommission = entryField(panel, QStringLiteral("edtStockSellCommission"), kMoneyDecimals,
                                        {kCommissionColumn, kSellFieldTop}, commissionHint,
                                        QStringLiteral("Sell commission"));
    edtSellCommissionPaid = resultField(panel, QStringLiteral("edtSellCommissionPaid"),
                                        {kCommissionPaidColumn, kSellFieldTop}, QStringLiteral("Sell commission paid"));
    edtStockProfit = resultField(panel, QStringLiteral("edtStockProfit"), {kTotalColumn, kSellFieldTop},
                                 QStringLiteral("Net profit"));
    edtStockProfit->resize(kFieldWidth, 23);
    edtStockProfit->setFont(common::arialFont(12, true));
    QPalette netProfitLook = edtStockProfit->palette();
    netProfitLook.setColor(QPalette::Text, Qt::red);
    edtStockProfit->setPalette(netProfitLook);

    const QString fractionTip = QStringLiteral("Click to use the Stock Fraction Calculator");
    for (auto [button, name, top] : {std::tuple{&ExplorerButton1, "ExplorerButton1", kBuyFieldTop},
                                     std::tuple{&ExplorerButton2, "ExplorerButton2", kSellFieldTop}}) {
        *button = common::makePictureButton(panel, QString::fromLatin1(name), QStringLiteral("drop-down"),
                                QRect(kFractionButtonColumn, top, 25, 23), fractionTip);
        (*button)->setToolTip(fractionTip);
    }

    const auto commissionTypes = [panel](const char* name, int fieldTop, QRadioButton*& fee,
                                         QRadioButton*& percent, const char* side) {
        auto* group = new QGroupBox(panel);
        group->setObjectName(QString::fromLatin1(name));
        group->setGeometry(kCommissionTypeColumn, fieldTop - 2, kFieldWidth, 27);
        fee = new QRadioButton(QStringLiteral("$"), group);
        percent = new QRadioButton(QStringLiteral("%"), group);
        fee->setGeometry(8, 4, 34, 19);
        percent->setGeometry(44, 4, 34, 19);
        fee->setChecked(true);
        fee->setStatusTip(QStringLiteral("Calculate %1 commission as a fixed amount.").arg(QLatin1String(side)));
        percent->setStatusTip(QStringLiteral("Calculate %1 commission as a percentage.").arg(QLatin1String(side)));
        fee->setAccessibleName(QStringLiteral("%1 commission in dollars").arg(QLatin1String(side)));
        percent->setAccessibleName(QStringLiteral("%1 commission in per cent").arg(QLatin1String(side)));
        return group;
    };
    GroupBox1 = commissionTypes("GroupBox1", kBuyFieldTop, rbBfee, rbBpercent, "BUY");
    GroupBox2 = commissionTypes("GroupBox2", kSellFieldTop, rbSfee, rbSpercent, "SELL");
    rbBfee->setObjectName(QStringLiteral("rbBfee"));
    rbBpercent->setObjectName(QStringLiteral("rbBpercent"));
    rbSfee->setObjectName(QStringLiteral("rbSfee"));
    rbSpercent->setObjectName(QStringLiteral("rbSpercent"));
}

void TfrmMain::buildIncrementBand(QWidget* panel)
{
    constexpr int bandTop = 92;
    constexpr int captionTop = kIncrementFieldTop - 16;
    common::makeRaisedPanel(panel, QStringLiteral("bvlIncrement"), QRect(0, bandTop, kClientWidth, 58));

    QLabel* title = common::makeLabel(panel, QStringLiteral("lblIncrementCaption"), QStringLiteral("Increment Chart by:"),
                          QRect(138, captionTop + 2, 60, 34), Qt::AlignRight | Qt::AlignVCenter);
    title->setFont(common::arialFont(11, true));
    title->setWordWrap(true);

    common::makeLabel(panel, QStringLiteral("lblDollarCaption"), QStringLiteral("Dollar"),
          QRect(203, captionTop, kFieldWidth, kCaptionHeight));
    edtSpread = entryField(panel, QStringLiteral("edtSpread"), 0, {203, kIncrementFieldTop},
                           QStringLiteral("Enter a whole dollar amount"), QStringLiteral("Increment dollars"));
    common::makeLabel(panel, QStringLiteral("lblPlus"), QStringLiteral("+"), QRect(283, kIncrementFieldTop, 29, kFieldHeight))
        ->setFont(common::arialFont(12, true));

    common::makeLabel(panel, QStringLiteral("lblFractionCaption"), QStringLiteral("Fraction"),
          QRect(312, captionTop, 58, kCaptionHeight));
    cbSpread = new QComboBox(panel);
    cbSpread->setObjectName(QStringLiteral("cbSpread"));
    cbSpread->setGeometry(312, kIncrementFieldTop, 58, kFieldHeight);
    cbSpread->setEditable(true);
    cbSpread->setInsertPolicy(QComboBox::NoInsert);
    cbSpread->addItems(fractionTexts());
    cbSpread->setCurrentIndex(kDefaultFractionIndex);
    cbSpread->setMaxVisibleItems(kFractionCount);
    cbSpread->setStatusTip(QStringLiteral("Choose a fractional amount"));
    cbSpread->setAccessibleName(QStringLiteral("Increment fraction"));

    common::makeLabel(panel, QStringLiteral("lblEquals"), QStringLiteral("="), QRect(370, kIncrementFieldTop, 36, kFieldHeight))
        ->setFont(common::arialFont(12, true));
    common::makeLabel(panel, QStringLiteral("lblDecimalCaption"), QStringLiteral("Decimal"),
          QRect(406, captionTop, kFieldWidth, kCaptionHeight));
    edtTotalSpread = resultField(panel, QStringLiteral("edtTotalSpread"), {406, kIncrementFieldTop},
                                 QStringLiteral("Increment"), kPriceDecimals);
    edtTotalSpread->setFocusPolicy(Qt::NoFocus);
    edtTotalSpread->setStatusTip(QStringLiteral("Chart rows and columns are incremented by this amount."));
}

void TfrmMain::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MnuMain"));

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("MnuFile"));
    mnuFileFractionCalc = common::addMenuItem(file, QStringLiteral("mnuFileFractionCalc"), QStringLiteral("&Stock Fraction Calculator"));
    file->addSeparator();
    mnuFileReset = common::addMenuItem(file, QStringLiteral("mnuFileReset"), QStringLiteral("&Reset"), false);
    file->addSeparator();
    MnuFilePrinterSetup = common::addMenuItem(file, QStringLiteral("MnuFilePrinterSetup"), QStringLiteral("Prin&t Setup..."));
    MnuFilePrint = common::addMenuItem(file, QStringLiteral("MnuFilePrint"), QStringLiteral("&Print"), false);
    file->addSeparator();
    MnuFileExit = common::addMenuItem(file, QStringLiteral("MnuFileExit"), QStringLiteral("E&xit"));

    QMenu* internet = bar->addMenu(QStringLiteral("&Internet"));
    internet->setObjectName(QStringLiteral("mnuInternet"));
    QMenu* web = common::addSubMenu(internet, QStringLiteral("mnuInternetWeb"), QStringLiteral("&Quintmoor on the Web"));
    common::addMenuItem(web, QStringLiteral("mnuInternetWebHome"), QStringLiteral("&Home Page"));
    common::addMenuItem(web, QStringLiteral("mnuInternetWebSoftware"), QStringLiteral("&Freeware Page"));
    common::addMenuItem(web, QStringLiteral("mnuInternetWebSuggest"), QStringLiteral("&Suggestion Box"));
    QMenu* email = common::addSubMenu(internet, QStringLiteral("mnuInternetEmail"), QStringLiteral("Contact Quintmoor by &Email"));
    common::addMenuItem(email, QStringLiteral("mnuInternetEmailSuggest"), QStringLiteral("&Send Suggestions"));
    common::addMenuItem(email, QStringLiteral("mnuInternetEmailSupport"), QStringLiteral("Contact &Tech Support"));
    QMenu* download = common::addSubMenu(internet, QStringLiteral("DownloadEvaluationSoftware1"),
                              QStringLiteral("&Download Evaluation Software"));
    common::addMenuItem(download, QStringLiteral("Oxbrindle1"), QStringLiteral("&Oxbrindle"));
    common::addMenuItem(download, QStringLiteral("mnuDownloadPellavine"), QStringLiteral("&Pellavine"));
    common::addMenuItem(download, QStringLiteral("Marrowby1"), QStringLiteral("&Marrowby"));
    common::addMenuItem(download, QStringLiteral("Brackenly1"), QStringLiteral("&Brackenly"));
    internet->addSeparator();
    common::addMenuItem(internet, QStringLiteral("CheckforUpdatedVersion1"), QStringLiteral("Check for &Updated Version ..."));

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("MnuHelp"));
    MnuHelpContents = common::addMenuItem(help, QStringLiteral("MnuHelpContents"), QStringLiteral("&Contents"));
    MnuHelpContents->setShortcut(Qt::Key_F1);
    help->addSeparator();
    common::addMenuItem(help, QStringLiteral("MnuHelpSearch"), QStringLiteral("&Search for Help On..."));
    common::addMenuItem(help, QStringLiteral("MnuHelpHow"), QStringLiteral("&How to Use Help"));
    help->addSeparator();
    QMenu* support = common::addSubMenu(help, QStringLiteral("mnuHelpQuintmoor"), QStringLiteral("Contact Tech Support by &Email"));
    common::addMenuItem(support, QStringLiteral("mnuHelpEmailSupport"), QString::fromUtf16(common::kSupportEmail));
    help->addSeparator();
    MnuHelpAbout = common::addMenuItem(help, QStringLiteral("MnuHelpAbout"), QStringLiteral("&About..."));

    MnuPopup = new QMenu(this);
    MnuPopup->setObjectName(QStringLiteral("MnuPopup"));
    QAction* popFraction = common::addMenuItem(MnuPopup, QStringLiteral("mnuPopFractionCalculator"),
                                    QStringLiteral("&Stock Fraction Calculator"));
    MnuPopup->addSeparator();
    QAction* popHelp = common::addMenuItem(MnuPopup, QStringLiteral("MnuPopHelp"), QStringLiteral("&Help"));
    // F1 belongs to the Help menu's Contents; here it only acts while the popup is open.
    popHelp->setShortcut(Qt::Key_F1);
    popHelp->setShortcutContext(Qt::WidgetShortcut);
    MnuPopup->addSeparator();
    QAction* popExit = common::addMenuItem(MnuPopup, QStringLiteral("MnuPopExit"), QStringLiteral("E&xit"));

    AppFrame& frame = AppFrame::instance();
    connect(popFraction, &QAction::triggered, this, frame.guarded([this] { ShowFracCalc(); }));
    connect(popExit, &QAction::triggered, this, frame.guarded([this] { mnuFileExitClick(); }));
}

void TfrmMain::connectHandlers()
{
    AppFrame& frame = AppFrame::instance();
    const auto recalculate = frame.guarded([this] { CalcStock(); });

    for (NumericEdit* field : {edtStockBuyPrice, edtStockShares, edtStockBuyCommission, edtStockSellPrice,
                               edtStockSellCommission, edtSpread, edtBuyCommissionPaid, edtStockTotalPaid,
                               edtStockGrossProfit, edtSellCommissionPaid, edtStockProfit}) {
        connect(field, &NumericEdit::changed, this, recalculate);
        common::onExit(field, recalculate);
    }
    connect(cbSpread, &QComboBox::editTextChanged, this, recalculate);
    common::onExit(cbSpread, recalculate);
    connect(grdSP, &ChartGrid::cellChosen, this, recalculate);
    common::onExit(grdSP, recalculate);

    connect(rbBfee, &QRadioButton::toggled, this, [this, &frame](bool checked) {
        if (checked)
            frame.guard([this] { SetBuyCommissionType(); });
    });
    connect(rbBpercent, &QRadioButton::toggled, this, [this, &frame](bool checked) {
        if (checked)
            frame.guard([this] { SetBuyCommissionType(); });
    });
    connect(rbSfee, &QRadioButton::toggled, this, [this, &frame](bool checked) {
        if (checked)
            frame.guard([this] { SetSellCommissionType(); });
    });
    connect(rbSpercent, &QRadioButton::toggled, this, [this, &frame](bool checked) {
        if (checked)
            frame.guard([this] { SetSellCommissionType(); });
    });

    const auto showFracCalc = frame.guarded([this] { ShowFracCalc(); });
    connect(btnFracCalc, &QToolButton::clicked, this, showFracCalc);
    connect(ExplorerButton1, &QToolButton::clicked, this, showFracCalc);
    connect(ExplorerButton2, &QToolButton::clicked, this, showFracCalc);
    connect(mnuFileFractionCalc, &QAction::triggered, this, showFracCalc);

    const auto reset = frame.guarded([this] { Reset(); });
    connect(btnReset, &QToolButton::clicked, this, reset);
    connect(mnuFileReset, &QAction::triggered, this, reset);

    connect(MnuFilePrinterSetup, &QAction::triggered, this, frame.guarded([this] { MnuFilePrinterSetupClick(); }));
    const auto exit = frame.guarded([this] { mnuFileExitClick(); });
    connect(MnuFileExit, &QAction::triggered, this, exit);
    connect(oxGraphicButton1, &QToolButton::clicked, this, exit);
}

void TfrmMain::connectLinksAndHelp()
{
    AppFrame& frame = AppFrame::instance();
    common::connectLinkCommands(this, {
        {"mnuInternetWebHome", common::Link::Home},
        {"mnuInternetWebSoftware", common::Link::Freeware},
        {"mnuInternetWebSuggest", common::Link::Suggest},
        {"mnuInternetEmailSuggest", common::Link::EmailSuggest},
        {"mnuInternetEmailSupport", common::Link::EmailSupport},
        {"Oxbrindle1", common::Link::Oxbrindle},
        {"mnuDownloadPellavine", common::Link::Pellavine},
        {"Marrowby1", common::Link::Marrowby},
        {"Brackenly1", common::Link::Brackenly},
        {"mnuHelpEmailSupport", common::Link::EmailSupport},
    });

    const auto contents = frame.guarded([this] { mnuHelpContentsClick(); });
    connect(MnuHelpContents, &QAction::triggered, this, contents);
    connect(findChild<QAction*>(QStringLiteral("MnuPopHelp")), &QAction::triggered, this, contents);
    connect(btnHelp, &QToolButton::clicked, this, contents);
    connect(findChild<QAction*>(QStringLiteral("MnuHelpSearch")), &QAction::triggered, this,
            frame.guarded([this] { mnuHelpSearchClick(); }));
    connect(findChild<QAction*>(QStringLiteral("MnuHelpHow")), &QAction::triggered, this,
            frame.guarded([this] { mnuHelpHowClick(); }));
    connect(MnuHelpAbout, &QAction::triggered, this, frame.guarded([this] { ShowAbout(); }));
}

void TfrmMain::setTabOrder()
{
    const QList<QWidget*> order{edtStockBuyPrice, edtStockShares, rbBfee, rbBpercent, edtStockBuyCommission,
                                edtStockSellPrice, rbSfee, rbSpercent, edtStockSellCommission, edtSpread, cbSpread};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void TfrmMain::FormCreate()
{
    setWindowTitle(QString::fromUtf16(kMainWindowCaption));
    programFolder_ = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    buyCommissionType_ = TCommissionType::ctFee;
    sellCommissionType_ = TCommissionType::ctFee;
    helpFile_ = programFolder_ + QString::fromUtf16(kHelpFileName);
    help_ = std::make_unique<common::HelpViewer>(helpFile_, QString::fromUtf16(kHelpWindowTitle));

    grdSP->selectEnteredPriceCell();
    grdSP->setColumnWidths();
    writeInitialHeaders(chart_);
    grdSP->showChart(chart_);

    AppFrame& frame = AppFrame::instance();
    frame.setExceptionHandler(this, [this](std::exception_ptr error) { AppOnException(error); });
    connect(&frame, &common::AppFrame::activated, this, frame.guarded([this] { ApplicationActivate(); }));
    connect(&frame, &common::AppFrame::hintChanged, this, [this](const QString& hint) { DisplayHint(hint); });
    frame.setHintDelay(kHintDelayMs);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    CleanGrid();
    edtStockBuyPrice->setFocus();
}

void TfrmMain::CalcStock()
{
    const double increment = spreadIncrement(edtSpread->value(), cbSpread->currentText());
    edtTotalSpread->setValue(increment);

    AllowPrinting();
    setResetEnabled(true);

    const double buyPrice = edtStockBuyPrice->value();
    const double shares = edtStockShares->value();
    const double buyCommission = edtStockBuyCommission->value();
    const TBuySide buy = CalcBuySide(buyPrice, shares, buyCommission, buyCommissionType_);
    edtBuyCommissionPaid->setValue(buy.CommissionPaid);
    edtStockTotalPaid->setValue(buy.TotalPaid);

    const double sellPrice = edtStockSellPrice->value();
    const double sellCommission = edtStockSellCommission->value();
    const TSellSide sell = CalcSellSide(sellPrice, shares, sellCommission, sellCommissionType_, buy.TotalPaid);
    edtStockGrossProfit->setValue(sell.GrossProfit);
    edtSellCommissionPaid->setValue(sell.CommissionPaid);
    edtStockProfit->setValue(sell.NetProfit);

    ChartInputs inputs;
    inputs.buyPrice = buyPrice;
    inputs.shares = shares;
    inputs.buyCommission = buyCommission;
    inputs.sellPrice = sellPrice;
    inputs.sellCommission = sellCommission;
    inputs.types = {buyCommissionType_, sellCommissionType_};
    inputs.increment = increment;
    {
        // Cells written before a fault stay on show, as the fill left them.
        const auto showFilled = qScopeGuard([this] { grdSP->showChart(chart_); });
        fillChart(chart_, inputs, AppFrame::instance().locale());
    }
    grdSP->selectEnteredPriceCell();

    AllowPrinting();
    faultReported_ = false;
    emit recalculated();
}

void TfrmMain::SetBuyCommissionType()
{
    setCommissionType(buyCommissionType_, rbBfee->isChecked() ? TCommissionType::ctFee : TCommissionType::ctPercent,
                      edtStockBuyCommission, lblCommissionBuy);
}

void TfrmMain::SetSellCommissionType()
{
    setCommissionType(sellCommissionType_, rbSfee->isChecked() ? TCommissionType::ctFee : TCommissionType::ctPercent,
                      edtStockSellCommission, lblCommissionSell);
}

void TfrmMain::setCommissionType(TCommissionType& type, TCommissionType chosen, NumericEdit* field, QLabel* caption)
{
    type = chosen;
    const bool fee = chosen == TCommissionType::ctFee;
    field->setDecimals(fee ? kMoneyDecimals : kPercentDecimals);
    caption->setText(fee ? kCommissionInDollars : kCommissionInPercent);
    focusControl(field);
}

void TfrmMain::Reset()
{
    AppFrame& frame = AppFrame::instance();
    edtStockBuyPrice->setValue(0);
    edtStockShares->setValue(0);
    rbBfee->setChecked(true);
    frame.rethrowPending();
    edtStockBuyCommission->setValue(0);
    edtStockSellPrice->setValue(0);
    rbSfee->setChecked(true);
    frame.rethrowPending();
    edtStockSellCommission->setValue(0);

    grdSP->setColumnWidths();
    writeInitialHeaders(chart_);
    grdSP->showChart(chart_);

    edtSpread->setValue(0);
    setFractionText(kDefaultFraction);
    edtTotalSpread->setValue(spreadIncrement(0, kDefaultFraction));

    focusControl(edtStockBuyPrice);
    setResetEnabled(false);
}

void TfrmMain::CleanGrid()
{
    cleanChart(chart_);
    grdSP->setRowCount(kChartRows);
    grdSP->showChart(chart_);
    grdSP->selectEnteredPriceCell();
    grdSP->setColumnWidths();
}

void TfrmMain::AllowPrinting()
{
    btnPrint->setEnabled(true);
    MnuFilePrint->setEnabled(true);
}

void TfrmMain::AppOnException(std::exception_ptr error)
{
    AppFrame& frame = AppFrame::instance();
    try {
        std::rethrow_exception(error);
    } catch (const common::ArithmeticFault&) {
        // The same inputs fail the same way again: the message is given once,
        // and the chart stays in its first state until a recalculation works.
        if (faultReported_) {
            CleanGrid();
            return;
        }
        faultReported_ = true;
        frame.showInformation(this, kFaultMessage);
        CleanGrid();
        frame.guard([this] { CalcStock(); });
    } catch (...) {
        frame.showInformation(this, kUnidentifiedError);
    }
}

void TfrmMain::ApplicationActivate()
{
    if (QWidget* active = QApplication::activeWindow())
        active->raise();
}

void TfrmMain::DisplayHint(const QString& hint)
{
    StatusBar->showMessage(common::longHint(hint));
}

void TfrmMain::ShowFracCalc()
{
    gildcrest::ShowFracCalc(this, edtStockBuyPrice, edtStockSellPrice);
}

void TfrmMain::ShowAbout()
{
    gildcrest::ShowAbout(this);
}

void TfrmMain::mnuHelpContentsClick()
{
    help_->showContents(this);
}

void TfrmMain::mnuHelpSearchClick()
{
    help_->showSearch(this);
}

void TfrmMain::mnuHelpHowClick()
{
    help_->showHelpOnHelp(this);
}

void TfrmMain::MnuFilePrinterSetupClick()
{
    // Made on first use: looking up the printers would slow every start.
    if (!printer_)
        printer_ = std::make_unique<QPrinter>();
    QPageSetupDialog dialog(printer_.get(), this);
    dialog.exec();
}

void TfrmMain::mnuFileExitClick()
{
    close();
}

void TfrmMain::FormClose()
{
    help_->quit();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    AppFrame::instance().guard([this] { FormClose(); });
    event->accept();
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblCompany && event->type() == QEvent::MouseButtonRelease)
        AppFrame::instance().guard([this] { ShowAbout(); });
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::contextMenuEvent(QContextMenuEvent* event)
{
    MnuPopup->exec(event->globalPos());
}

void TfrmMain::focusControl(QWidget* control)
{
    control->setFocus(Qt::OtherFocusReason);
    AppFrame::instance().rethrowPending();
}

void TfrmMain::setResetEnabled(bool enabled)
{
    btnReset->setEnabled(enabled);
    mnuFileReset->setEnabled(enabled);
}

void TfrmMain::setFractionText(const QString& text)
{
    // Set by the program, the text raises no change event.
    const QSignalBlocker quiet(cbSpread);
    cbSpread->setEditText(text);
}

} // namespace gildcrest
