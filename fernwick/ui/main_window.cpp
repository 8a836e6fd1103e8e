#include "main_window.h"

#include "about_box.h"
#include "app_frame.h"
#include "disclaimer.h"
#include "exit_watch.h"
#include "faults.h"
#include "form_parts.h"
#include "help_viewer.h"
#include "last_values.h"
#include "link_label.h"
#include "maker.h"
#include "url_opener.h"
#include "picture_field.h"
#include "program_constants.h"
#include "settings_location.h"
#include "tool_icons.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

using common::AppFrame;
using common::PictureField;

namespace fernwick {

namespace {

constexpr int kClientWidth = 559;
constexpr int kToolBarHeight = 30;
constexpr int kNotebookHeight = 390;
constexpr int kStatusBarHeight = 19;
constexpr int kTabHeight = 18;
constexpr int kHintDelayMs = 300;
constexpr int kMathPage = 1;

const QString kFaultMessage = QStringLiteral(
    "Results of this calculation cannot be determined\n\r"
    "using the values you have entered.\n\r"
    "\n\r"
    "Please try again with different values.");
const QString kUnidentifiedError = QStringLiteral("An unidentified error has occurred.");

QString makerAddress()
{
    return QString::fromUtf16(common::kMakerHost);
}

// Fernwick shows its hints as tool tips as well as in the status bar.
void setHint(QWidget* control, const QString& hint)
{
    control->setStatusTip(hint);
    control->setToolTip(hint);
}

QFrame* bevelledBand(QWidget* parent, const QString& name, const QRect& rect)
{
    auto* band = new QFrame(parent);
    band->setObjectName(name);
    band->setGeometry(rect);
    band->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    band->setLineWidth(1);
    auto* inner = new QFrame(band);
    inner->setFrameStyle(QFrame::Panel | QFrame::Raised);
    inner->setGeometry(QRect(QPoint(1, 1), rect.size() - QSize(2, 2)));
    return band;
}

QLabel* heading(QWidget* parent, const QString& name, const QString& text, const QRect& rect,
                Qt::Alignment alignment = Qt::AlignCenter)
{
    QLabel* label = common::makeLabel(parent, name, text, rect, alignment);
    label->setFont(common::arialFont(11, true));
    label->setWordWrap(true);
    return label;
}

PictureField* pictureField(QWidget* parent, const QString& name, QStringView pattern, const QRect& rect,
                           const QString& accessibleName)
{
    auto* field = new PictureField(pattern, parent);
    field->setObjectName(name);
    field->setGeometry(rect);
    field->setAccessibleName(accessibleName);
    return field;
}

} // namespace

TfrmMain::TfrmMain(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromUtf16(kMainWindowCaption));
    setFont(common::arialFont(11));
    setBackgroundRole(QPalette::Button);

    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(client);

    auto* Panel5 = new QFrame(client);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setFixedHeight(kToolBarHeight);
    layout->addWidget(Panel5);
    buildToolBar(Panel5);

    nbkMain = new QTabWidget(client);
    nbkMain->setObjectName(QStringLiteral("nbkMain"));
    nbkMain->tabBar()->setFixedHeight(kTabHeight);
    nbkMain->setDocumentMode(false);
    layout->addWidget(nbkMain, 1);
    auto* pgInfo = new QWidget;
    pgInfo->setObjectName(QStringLiteral("pgInfo"));
    auto* pgMath = new QWidget;
    pgMath->setObjectName(QStringLiteral("pgMath"));
    nbkMain->addTab(pgInfo, QStringLiteral("Introduction"));
    nbkMain->addTab(pgMath, QStringLiteral("Do the Math!"));
    buildIntroductionPage(pgInfo);
    buildMathPage(pgMath);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(kStatusBarHeight);
    StatusBar1->showMessage(QStringLiteral("Visit %1 for more financial calculators!").arg(makerAddress()));
    setStatusBar(StatusBar1);

    buildMenus();
    const QSize designSize(kClientWidth, menuBar()->sizeHint().height() + kToolBarHeight + kNotebookHeight
                                             + kStatusBarHeight);
    setMinimumSize(designSize);
    resize(designSize);
    connectHandlers();
    connectLinksAndHelp();

    AppFrame::instance().guard([this] { FormCreate(); });
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::buildToolBar(QWidget* panel)
{
    const auto button = [panel](const char* name, const char* icon, int left, const QString& hint) {
        QToolButton* made = common::makePictureButton(panel, QString::fromLatin1(name), QString::fromLatin1(icon),
                                                      QRect(left, 2, 26, 26), hint);
        made->setToolTip(hint);
        return made;
    };
    btnPrint = button("btnPrint", "print", 1, QStringLiteral(" Print ..."));
    btnPrintSetup = button("btnPrintSetup", "print-setup", 27, QStringLiteral(" Printer Setup ..."));
    btnDisclaim = button("btnDisclaim", "disclaimer", 53, QStringLiteral(" Disclaimer ..."));
    btnReset = button("btnReset", "reset", 79, QStringLiteral(" Reset the calculator"));
    btnUpdate = button("btnUpdate", "update", 105, QStringLiteral(" Check for Update ..."));
    btnHelp = button("btnHelp", "help", 131, QStringLiteral(" Help ..."));
    btnExit = button("btnExit", "exit", 530, QStringLiteral(" Close Fernwick"));
    btnReset->setEnabled(false);

    lblCompany = common::makeLabel(panel, QStringLiteral("lblCompany"), QStringLiteral("Quintmoor Software"),
                                   QRect(203, 6, 153, 18), Qt::AlignLeft | Qt::AlignVCenter);
    lblCompany->setFont(common::arialFont(15, true));
    // The hand shows that the name can be clicked (it opens the about box).
    lblCompany->setCursor(Qt::PointingHandCursor);
    lblCompany->installEventFilter(this);

    const QString domain = makerAddress().section(QLatin1Char('.'), 1);
    urlQuintmoor = new common::LinkLabel(domain, common::Link::Home, panel);
    urlQuintmoor->setObjectName(QStringLiteral("urlQuintmoor"));
    urlQuintmoor->move(420, 8);
    urlQuintmoor->setHoverColour(Qt::blue);
    // The Internet menu reaches the same page from the keyboard; the link
    // stays out of the input fields' tab order.
    urlQuintmoor->setFocusPolicy(Qt::NoFocus);
    setHint(urlQuintmoor, QStringLiteral("Click to visit %1").arg(makerAddress()));
}

void TfrmMain::buildIntroductionPage(QWidget* page)
{
    auto* Panel1 = new QFrame(page);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(9, 11, 538, 349);
    Panel1->setAutoFillBackground(true);
    Panel1->setBackgroundRole(QPalette::Window);

    const std::tuple<const char*, int, int, const char*> texts[] = {
        {"Label19", 17, 48,
         "You've come into a little extra cash and wonder, \"Should I invest it or use it to pay off something I "
         "already owe?\"  It's a decision that we often make without a great deal of consideration.  But the "
         "results have consequences far into our future!"},
        {"Label20", 71, 32,
         "This simple calculator is designed to help you see the future effects of an investment compared to the "
         "future effects of using funds to pay down a current debt."},
        {"Label21", 109, 48,
         "You need to know only three values to use this calculator ... the amount you have to invest, the annual "
         "interest rate you're paying on your debt, and the annual return you expect to make on the investment "
         "you are considering."},
        {"Label22", 165, 48,
         "With these three numbers, you can quickly determine whether investing that little extra makes more "
         "sense than paying off a debt.  (Here's a hint ... it's usually better to pay off your debt first.)"},
        {"Label23", 218, 32,
         "Remember, you should always consult your own financial advisor before making any financial decision."},
        {"Label24", 259, 48,
         "While effort was made to ensure the accuracy of these calculations, there is NO WARRANTY, expressed or "
         "implied, for the accuracy or applicability of this information to your particular financial question."},
    };
    for (const auto& [name, top, height, text] : texts) {
        QLabel* label = common::makeLabel(Panel1, QString::fromLatin1(name), QString::fromUtf8(text),
                                          QRect(14, top, 510, height), Qt::AlignLeft | Qt::AlignTop);
        label->setFont(common::arialFont(13));
        label->setWordWrap(true);
    }

    QLabel* Label16 = common::makeLabel(Panel1, QStringLiteral("Label16"), QStringLiteral("Click the button to continue ..."),
                                        QRect(181, 317, 175, 16), Qt::AlignLeft | Qt::AlignVCenter);
    Label16->setFont(common::arialFont(13));
    common::setTextColour(Label16, Qt::red);

    btnForward = new QToolButton(Panel1);
    btnForward->setObjectName(QStringLiteral("btnForward"));
    btnForward->setGeometry(407, 313, 113, 24);
    btnForward->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    btnForward->setIcon(common::toolIcon(QStringLiteral("forward")));
    btnForward->setText(QStringLiteral("Do the Math!"));
    btnForward->setFont(common::arialFont(12));
    btnForward->setFocusPolicy(Qt::TabFocus);
    setHint(btnForward, QStringLiteral(" Click to \"Do the Math!\" ..."));
    btnForward->setAccessibleName(QStringLiteral("Do the Math!"));
}

void TfrmMain::buildMathPage(QWidget* page)
{
    QFrame* Panel3 = bevelledBand(page, QStringLiteral("Panel3"), QRect(0, 0, 556, 80));
    heading(Panel3, QStringLiteral("Label12"), QStringLiteral("Cash You Have Available to Pay or Invest"),
            QRect(27, 10, 147, 28));
    heading(Panel3, QStringLiteral("Label6"), QStringLiteral("Annual Interest on Your Debt"), QRect(237, 11, 85, 28));
    heading(Panel3, QStringLiteral("Label14"), QStringLiteral("Expected Annual Return of Your Investment"),
            QRect(395, 11, 134, 28));
    edtCash = pictureField(Panel3, QStringLiteral("edtCash"), common::kCashPicture, QRect(55, 46, 90, 22),
                           QStringLiteral("Cash"));
    edtDebtInterest = pictureField(Panel3, QStringLiteral("edtDebtInterest"), common::kRatePicture,
                                   QRect(246, 46, 67, 22), QStringLiteral("Debt interest"));
    edtInvestmentReturn = pictureField(Panel3, QStringLiteral("edtInvestmentReturn"), common::kRatePicture,
                                       QRect(432, 46, 67, 22), QStringLiteral("Investment return"));
    QWidget::setTabOrder(edtCash, edtDebtInterest);
    QWidget::setTabOrder(edtDebtInterest, edtInvestmentReturn);

    QFrame* Panel2 = bevelledBand(page, QStringLiteral("Panel2"), QRect(0, 80, 556, 287));
    heading(Panel2, QStringLiteral("Label1"), QStringLiteral("At the end of YEAR:"), QRect(11, 11, 60, 28));
    heading(Panel2, QStringLiteral("Label18"), QStringLiteral("Your Investment Will Have Grown To:"),
            QRect(81, 11, 114, 28));
    heading(Panel2, QStringLiteral("Label17"), QStringLiteral("While the Debt You Could Have Paid Off Will Have Grown To:"),
            QRect(214, 11, 170, 28));
    heading(Panel2, QStringLiteral("Label13"), QStringLiteral("For a Difference of:"), QRect(419, 25, 104, 14),
            Qt::AlignLeft | Qt::AlignVCenter);

    constexpr std::array<const char*, ProjectionYears> yearLabelNames = {
        "Label15", "Label2", "Label3", "Label4", "Label5", "Label7", "Label8", "Label9", "Label10", "Label11"};
    constexpr std::array<int, ProjectionYears> yearLabelTops = {49, 73, 96, 119, 142, 166, 189, 212, 235, 258};
    constexpr std::array<int, ProjectionYears> resultTops = {47, 70, 93, 116, 139, 162, 185, 208, 231, 254};
    for (int k = 0; k < ProjectionYears; ++k) {
        const QString year = QString::number(k + 1);
        const int left = k + 1 == 10 ? 35 : 38;
        QLabel* yearLabel = common::makeLabel(Panel2, QString::fromLatin1(yearLabelNames[std::size_t(k)]), year,
                                              QRect(left, yearLabelTops[std::size_t(k)], 14, 14),
                                              Qt::AlignLeft | Qt::AlignVCenter);
        yearLabel->setFont(common::arialFont(11, true));
        const auto result = [&](const char* prefix, int x, const char* spoken) {
            PictureField* field = pictureField(Panel2, QString::fromLatin1(prefix) + year, common::kCashPicture,
                                               QRect(x, resultTops[std::size_t(k)], 100, 22),
                                               QStringLiteral("Year %1 %2").arg(year, QLatin1String(spoken)));
            field->makeResultField();
            return field;
        };
        edtInvestment[std::size_t(k)] = result("edtInvestment", 88, "investment");
        edtDebt[std::size_t(k)] = result("edtDebt", 253, "debt");
        edtDifference[std::size_t(k)] = result("edtDifference", 421, "difference");
    }
}

void TfrmMain::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    mnuFileReset = common::addMenuItem(file, QStringLiteral("mnuFileReset"), QStringLiteral("&Reset"), false);
    QAction* N3 = file->addSeparator();
    N3->setObjectName(QStringLiteral("N3"));
    N3->setVisible(false);
    mnuFilePrintSetup = common::addMenuItem(file, QStringLiteral("mnuFilePrintSetup"), QStringLiteral("Prin&t Setup..."));
    mnuFilePrint = common::addMenuItem(file, QStringLiteral("mnuFilePrint"), QStringLiteral("&Print"), false);
    file->addSeparator()->setObjectName(QStringLiteral("N2"));
    mnuFileExit = common::addMenuItem(file, QStringLiteral("mnuFileExit"), QStringLiteral("E&xit"));

    QMenu* internet = bar->addMenu(QStringLiteral("&Internet"));
    internet->setObjectName(QStringLiteral("Internet1"));
    QMenu* web = common::addSubMenu(internet, QStringLiteral("mnuInternetWeb"), QStringLiteral("&Quintmoor on the Web"));
    common::addMenuItem(web, QStringLiteral("mnuInternetWebHome"), QStringLiteral("&Home Page"));
    common::addMenuItem(web, QStringLiteral("mnuInternetWebFreeware"), QStringLiteral("Quintmoor' &Freeware Page"));
    web->addSeparator()->setObjectName(QStringLiteral("N4"));
    common::addMenuItem(web, QStringLiteral("SuggestionBox1"), QStringLiteral("&Suggestion Box"));
    QMenu* email = common::addSubMenu(internet, QStringLiteral("mnuInternetEmail"),
                                      QStringLiteral("Contact Quintmoor by &Email"));
    common::addMenuItem(email, QStringLiteral("SendSuggestions1"), QStringLiteral("&Send Suggestions"));
    common::addMenuItem(email, QStringLiteral("ContactTechSupport1"), QStringLiteral("Contact &Tech Support"));
    QMenu* evaluation = common::addSubMenu(internet, QStringLiteral("mnuInternetEvaluationSoftware"),
                                           QStringLiteral("&Download Evaluation Software"));
    common::addMenuItem(evaluation, QStringLiteral("mnuInternetDownloadOxbrindle"), QStringLiteral("&Oxbrindle"));
    common::addMenuItem(evaluation, QStringLiteral("mnuInternetDownloadMarrowby"), QStringLiteral("&Marrowby"));
    common::addMenuItem(evaluation, QStringLiteral("mnuInternetDownloadBrackenly"), QStringLiteral("&Brackenly"));
    internet->addSeparator()->setObjectName(QStringLiteral("N10"));
    common::addMenuItem(internet, QStringLiteral("mnuHelpUpdate"), QStringLiteral("Check for &Update ..."));

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    common::addMenuItem(help, QStringLiteral("Contents1"), QStringLiteral("&Contents"))->setShortcut(Qt::Key_F1);
    help->addSeparator()->setObjectName(QStringLiteral("N8"));
    common::addMenuItem(help, QStringLiteral("SearchforHelpOn1"), QStringLiteral("&Search for Help On..."));
    common::addMenuItem(help, QStringLiteral("HowtoUseHelp1"), QStringLiteral("&How to Use Help"));
    help->addSeparator()->setObjectName(QStringLiteral("N7"));
    QMenu* support = common::addSubMenu(help, QStringLiteral("ContactTechSupportbyEmail1"),
                                        QStringLiteral("Contact Tech Support by &Email"));
    common::addMenuItem(support, QStringLiteral("mnuHelpSupport"), QString::fromUtf16(common::kSupportEmail));
    help->addSeparator()->setObjectName(QStringLiteral("N6"));
    common::addMenuItem(help, QStringLiteral("mnuHelpAbout"), QStringLiteral("&About..."));

    mnuPop = new QMenu(this);
    mnuPop->setObjectName(QStringLiteral("mnuPop"));
    mnuPopPrint = common::addMenuItem(mnuPop, QStringLiteral("mnuPopPrint"), QStringLiteral("&Print ..."), false);
    mnuPopReset = common::addMenuItem(mnuPop, QStringLiteral("mnuPopReset"), QStringLiteral("&Reset"), false);
    mnuPop->addSeparator()->setObjectName(QStringLiteral("N1"));
    common::addMenuItem(mnuPop, QStringLiteral("mnuPopUpdate"), QStringLiteral("Check for &Update ..."));
    mnuPopDisclaim = common::addMenuItem(mnuPop, QStringLiteral("mnuPopDisclaim"), QStringLiteral("&Disclaimer ..."));
    common::addMenuItem(mnuPop, QStringLiteral("mnuPopAbout"), QStringLiteral("&About..."));
    mnuPop->addSeparator()->setObjectName(QStringLiteral("N9"));
    mnuPopExit = common::addMenuItem(mnuPop, QStringLiteral("mnuPopExit"), QStringLiteral("E&xit"));
}

void TfrmMain::connectHandlers()
{
    AppFrame& frame = AppFrame::instance();
    const auto recalculate = frame.guarded([this] { CalculatePayVsInvest(); });
    for (PictureField* input : {edtCash, edtDebtInterest, edtInvestmentReturn})
        common::onExit(input, recalculate);

    connect(nbkMain, &QTabWidget::currentChanged, this,
            [this, &frame](int page) { frame.guard([this, page] { nbkMainPageChanged(page); }); });
    connect(btnForward, &QToolButton::clicked, this, frame.guarded([this] { btnForwardClick(); }));

    const auto reset = frame.guarded([this] { Reset(); });
    connect(btnReset, &QToolButton::clicked, this, reset);
    connect(mnuFileReset, &QAction::triggered, this, reset);
    connect(mnuPopReset, &QAction::triggered, this, reset);

    const auto disclaimer = frame.guarded([this] { ShowDisclaimer(); });
    connect(btnDisclaim, &QToolButton::clicked, this, disclaimer);
    connect(mnuPopDisclaim, &QAction::triggered, this, disclaimer);

    const auto printSetup = frame.guarded([this] { mnuFilePrintSetupClick(); });
    connect(btnPrintSetup, &QToolButton::clicked, this, printSetup);
    connect(mnuFilePrintSetup, &QAction::triggered, this, printSetup);

    const auto exit = frame.guarded([this] { Exit(); });
    connect(btnExit, &QToolButton::clicked, this, exit);
    connect(mnuFileExit, &QAction::triggered, this, exit);
    connect(mnuPopExit, &QAction::triggered, this, exit);
}

void TfrmMain::connectLinksAndHelp()
{
    AppFrame& frame = AppFrame::instance();
    common::connectLinkCommands(this, {
        {"mnuInternetWebHome", common::Link::Home},
        {"mnuInternetWebFreeware", common::Link::Freeware},
        {"SuggestionBox1", common::Link::Suggest},
        {"SendSuggestions1", common::Link::EmailSuggest},
        {"ContactTechSupport1", common::Link::EmailSupport},
        {"mnuInternetDownloadOxbrindle", common::Link::Oxbrindle},
        {"mnuInternetDownloadMarrowby", common::Link::Marrowby},
        {"mnuInternetDownloadBrackenly", common::Link::BrackenlySetup},
        {"mnuHelpSupport", common::Link::EmailSupport},
    });

    const auto contents = frame.guarded([this] { MnuHelpContentsClick(); });
    connect(findChild<QAction*>(QStringLiteral("Contents1")), &QAction::triggered, this, contents);
    connect(btnHelp, &QToolButton::clicked, this, contents);
    connect(findChild<QAction*>(QStringLiteral("SearchforHelpOn1")), &QAction::triggered, this,
            frame.guarded([this] { MnuHelpSearchClick(); }));
    connect(findChild<QAction*>(QStringLiteral("HowtoUseHelp1")), &QAction::triggered, this,
            frame.guarded([this] { MnuHelpHowClick(); }));
    const auto about = frame.guarded([this] { MnuHelpAboutClick(); });
    connect(findChild<QAction*>(QStringLiteral("mnuHelpAbout")), &QAction::triggered, this, about);
    connect(findChild<QAction*>(QStringLiteral("mnuPopAbout")), &QAction::triggered, this, about);
}

void TfrmMain::FormCreate()
{
    programFolder_ = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    helpFile_ = programFolder_ + QString::fromUtf16(kHelpFileName);
    help_ = std::make_unique<common::HelpViewer>(helpFile_, QString::fromUtf16(kHelpWindowTitle));

    AppFrame& frame = AppFrame::instance();
    frame.setExceptionHandler(this, [this](std::exception_ptr error) { AppOnException(error); });
    connect(&frame, &common::AppFrame::activated, this, frame.guarded([this] { ApplicationActivate(); }));
    frame.setHintDelay(kHintDelayMs);
    connect(&frame, &common::AppFrame::hintChanged, this, [this](const QString& hint) { DisplayHint(hint); });

    settingsFile_ = settingsFilePath(programFolder_);
    const LastValues saved = readLastValues(settingsFile_, frame.locale());
    edtCash->setValue(saved.cash);
    edtDebtInterest->setValue(saved.interest);
    edtInvestmentReturn->setValue(saved.investmentReturn);

    DisallowPrinting();
    DisallowReset();
}

void TfrmMain::FormActivate()
{
    if (nbkMain->currentIndex() == kMathPage)
        focusControl(edtCash);
}

void TfrmMain::CalculatePayVsInvest()
{
    QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
    AllowPrinting();
    AllowReset();
    const auto years = ProjectPayVsInvest(edtCash->value(), edtDebtInterest->value(), edtInvestmentReturn->value());
    for (std::size_t k = 0; k < years.size(); ++k) {
        edtDebt[k]->setValue(years[k].Debt);
        edtInvestment[k]->setValue(years[k].Investment);
        edtDifference[k]->setValue(years[k].Difference);
    }
    emit recalculated();
}

void TfrmMain::Reset()
{
    for (PictureField* input : {edtCash, edtDebtInterest, edtInvestmentReturn})
        input->setValue(0);
    for (std::size_t k = 0; k < ProjectionYears; ++k) {
        edtInvestment[k]->setValue(0);
        edtDebt[k]->setValue(0);
        edtDifference[k]->setValue(0);
    }
    focusControl(edtCash);
    DisallowPrinting();
    DisallowReset();
}

void TfrmMain::AllowPrinting()
{
    btnPrint->setEnabled(true);
    mnuFilePrint->setEnabled(true);
    mnuPopPrint->setEnabled(true);
}

void TfrmMain::DisallowPrinting()
{
    btnPrint->setEnabled(false);
    mnuFilePrint->setEnabled(false);
    mnuPopPrint->setEnabled(false);
}

void TfrmMain::AllowReset()
{
    btnReset->setEnabled(true);
    mnuFileReset->setEnabled(true);
    mnuPopReset->setEnabled(true);
}

void TfrmMain::DisallowReset()
{
    btnReset->setEnabled(false);
    mnuFileReset->setEnabled(false);
    mnuPopReset->setEnabled(false);
}

void TfrmMain::btnForwardClick()
{
    nbkMain->setCurrentIndex(kMathPage);
    AppFrame::instance().rethrowPending();
    focusControl(edtCash);
}

void TfrmMain::nbkMainPageChanged(int page)
{
    if (page == kMathPage) {
        focusControl(edtCash);
        CalculatePayVsInvest();
        return;
    }
    DisallowReset();
    DisallowPrinting();
}

void TfrmMain::ShowDisclaimer()
{
    fernwick::ShowDisclaimer(this);
}

void TfrmMain::MnuHelpAboutClick()
{
    fernwick::ShowAbout(this);
}

void TfrmMain::MnuHelpContentsClick()
{
    help_->showContents(this);
}

void TfrmMain::MnuHelpSearchClick()
{
    help_->showSearch(this);
}

void TfrmMain::MnuHelpHowClick()
{
    help_->showHelpOnHelp(this);
}

void TfrmMain::Exit()
{
    close();
}

void TfrmMain::mnuFilePrintSetupClick()
{
    // Made on first use: looking up the printers would slow every start.
    if (!printer_)
        printer_ = std::make_unique<QPrinter>();
    QPageSetupDialog dialog(printer_.get(), this);
    dialog.exec();
}

void TfrmMain::SaveValuesAtExit()
{
    const LastValues values{edtCash->value(), edtDebtInterest->value(), edtInvestmentReturn->value()};
    QDir().mkpath(QFileInfo(settingsFile_).absolutePath());
    saveLastValues(settingsFile_, values, AppFrame::instance().locale());
}

void TfrmMain::AppOnException(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const common::ArithmeticFault&) {
        AppFrame::instance().showInformation(this, kFaultMessage);
    } catch (...) {
        AppFrame::instance().showInformation(this, kUnidentifiedError);
    }
}

void TfrmMain::ApplicationActivate()
{
    if (QWidget* active = QApplication::activeWindow())
        active->raise();
}

void TfrmMain::DisplayHint(const QString& hint)
{
    StatusBar1->showMessage(common::longHint(hint));
}

void TfrmMain::FormClose()
{
    help_->quit();
    SaveValuesAtExit();
}

bool TfrmMain::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        AppFrame::instance().guard([this] { FormActivate(); });
    return QMainWindow::event(event);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblCompany && event->type() == QEvent::MouseButtonRelease)
        AppFrame::instance().guard([this] { MnuHelpAboutClick(); });
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    // A failed save is reported once; the program still ends, since keeping
    // the window open would not make the folder writable.
    AppFrame::instance().guard([this] { FormClose(); });
    event->accept();
}

void TfrmMain::contextMenuEvent(QContextMenuEvent* event)
{
    mnuPop->exec(event->globalPos());
}

void TfrmMain::focusControl(QWidget* control)
{
    control->setFocus(Qt::OtherFocusReason);
    AppFrame::instance().rethrowPending();
}

} // namespace fernwick
