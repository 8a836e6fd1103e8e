#include "app_frame.h"
#include "frac_calc.h"
#include "main_window.h"
#include "message_seam.h"
#include "numeric_edit.h"
#include "test_support.h"
#include "window_test_support.h"
#include "url_opener.h"
#include "web_addresses.h"
#include "window_placement.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QScopeGuard>
#include <QTimer>
#include <QUrl>
#include <QToolButton>

#include <memory>

using common::NumericEdit;
using gildcrest::TfrmMain;

namespace {

QWidget* helpWindow()
{
    return testsupport::topLevelWindowTitled(QStringLiteral("Gildcrest Help"));
}

// Types the dollars, picks the fraction, sends the sum to the buy price and
// closes the calculator.
void sendToBuyPrice(gildcrest::TfrmFracCalc& calculator, const QString& dollars, const QString& fraction)
{
    auto* dollarsField = calculator.findChild<NumericEdit*>(QStringLiteral("edtSpread"));
    dollarsField->setFocus();
    dollarsField->selectAll();
    QTest::keyClicks(dollarsField, dollars);
    const auto buttons = calculator.findChild<QGroupBox*>(QStringLiteral("rgFraction"))->findChildren<QRadioButton*>();
    for (QRadioButton* button : buttons)
        if (button->text() == fraction)
            QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(calculator.findChild<QWidget*>(QStringLiteral("btnBuyPrice")), Qt::LeftButton);
    calculator.close();
}

const QString kFaultMessage = QStringLiteral("Valid results cannot be calculated using\n\rthe variables you have "
                                             "entered.\n\r\n\rPlease try again with reasonable values.");

} // namespace

using testsupport::AddressRecorder;
using testsupport::MessageRecorder;

Q_DECLARE_METATYPE(common::Link)

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startState();
    void typingRecalculatesOncePerKeystroke();
    void workedExample();
    void commissionSwitchRewritesWithoutRecalculating();
    void resetAfterACalculation();
    void resetReturnsToFees();
    void clickIntoAResultFieldAtStartRecalculates();
    void overflowShowsTheMessageOnceAndRecovers_data();
    void overflowShowsTheMessageOnceAndRecovers();
    void unknownFractionAddsNothing();
    void conversionErrorIsUnidentified();
    void tabOrder();
    void layout_data();
    void layout();
    void menus_data();
    void menus();
    void hintsGoToTheStatusBar();
    void accessibleNames();
    void fractionCalculatorWritesTheBuyPrice();
    void negativeBuyPriceFromTheFractionCalculatorStillRefusesLetters();
    void commaLocale();
    void exitCommandsCloseTheWindow_data();
    void exitCommandsCloseTheWindow();
    void printerSetupOpensThePageSetupDialog();
    void webCommandsOpenTheirAddresses_data();
    void webCommandsOpenTheirAddresses();
    void helpCommandsAndQuitOnClose();
    void aboutBoxFromMenuAndCompanyName();

private:
    template <class T = QWidget>
    T* control(const char* name) const
    {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    NumericEdit* field(const char* name) const { return control<NumericEdit>(name); }
    QString text(const char* name) const { return field(name)->text(); }
    QString cell(int column, int row) const { return window->chart().text(column, row); }
    void typeInto(const char* name, const QString& keys);
    void enterExample();

    MessageRecorder messages;
    std::unique_ptr<TfrmMain> window;
};

void MainWindowTest::init()
{
    common::AppFrame::instance().setMessageSeam(&messages);
    messages.texts.clear();
    window = std::make_unique<TfrmMain>();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void MainWindowTest::cleanup()
{
    window.reset();
    common::AppFrame::instance().setLocale(testsupport::usLocale());
}

void MainWindowTest::typeInto(const char* name, const QString& keys)
{
    NumericEdit* target = field(name);
    target->setFocus(Qt::TabFocusReason);
    target->selectAll(); // also when the field had the focus already
    QTest::keyClicks(target, keys);
}

void MainWindowTest::enterExample()
{
    typeInto("edtStockBuyPrice", "10");
    typeInto("edtStockShares", "100");
    typeInto("edtStockBuyCommission", "9.95");
    typeInto("edtStockSellPrice", "12.50");
    typeInto("edtStockSellCommission", "9.95");
}

void MainWindowTest::startState()
{
    QCOMPARE(window->windowTitle(), "Gildcrest, 1.0.03");
    for (const char* price : {"edtStockBuyPrice", "edtStockSellPrice", "edtTotalSpread"})
        QCOMPARE(text(price), "0.00000");
    for (const char* whole : {"edtStockShares", "edtSpread"})
        QCOMPARE(text(whole), "0");
    for (const char* money : {"edtStockBuyCommission", "edtStockSellCommission", "edtBuyCommissionPaid",
                              "edtStockTotalPaid", "edtStockGrossProfit", "edtSellCommissionPaid", "edtStockProfit"})
        QCOMPARE(text(money), "0.00");
    QCOMPARE(control<QComboBox>("cbSpread")->currentText(), "1/4");
    QCOMPARE(cell(0, 0), " Buy / Sell");
    QCOMPARE(cell(1, 0), " ($0.75)");
    QCOMPARE(cell(0, 8), " $1.75");
    QVERIFY(cell(4, 1).isEmpty());
    QVERIFY(!control<QToolButton>("btnPrint")->isEnabled());
    QVERIFY(!control<QToolButton>("btnReset")->isEnabled());
    QVERIFY(!control<QAction>("MnuFilePrint")->isEnabled());
    QVERIFY(!control<QAction>("mnuFileReset")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), field("edtStockBuyPrice"));
    QCOMPARE(control<QLabel>("lblCommissionBuy")->text(), "Commission ($)");
    QCOMPARE(control<QLabel>("lblCommissionSell")->text(), "Commission ($)");
    QVERIFY(control<QRadioButton>("rbBfee")->isChecked());
    QVERIFY(control<QRadioButton>("rbSfee")->isChecked());
    const auto* grid = control<QTableWidget>("grdSP");
    QCOMPARE(grid->currentRow(), 1);
    QCOMPARE(grid->currentColumn(), 4);
}

void MainWindowTest::typingRecalculatesOncePerKeystroke()
{
    QSignalSpy recalculations(window.get(), &TfrmMain::recalculated);
    QTest::keyClick(field("edtStockBuyPrice"), Qt::Key_1);
    QCOMPARE(recalculations.count(), 1);
    QCOMPARE(text("edtStockBuyPrice"), "1"); // the start text was selected, so typing replaced it
    QCOMPARE(text("edtTotalSpread"), "0.25000");
    QCOMPARE(cell(0, 1), " $1.00");
    QCOMPARE(cell(4, 1), " $0.00");
    QVERIFY(control<QToolButton>("btnPrint")->isEnabled());
    QVERIFY(control<QToolButton>("btnReset")->isEnabled());
    QVERIFY(control<QAction>("MnuFilePrint")->isEnabled());
    QVERIFY(control<QAction>("mnuFileReset")->isEnabled());
    QVERIFY(messages.texts.isEmpty());
}

void MainWindowTest::workedExample()
{
    enterExample();
    QCOMPARE(text("edtBuyCommissionPaid"), "9.95");
    QCOMPARE(text("edtStockTotalPaid"), "1009.95");
    QCOMPARE(text("edtStockGrossProfit"), "1250.00");
    QCOMPARE(text("edtSellCommissionPaid"), "9.95");
    QCOMPARE(text("edtStockProfit"), "230.10");
    QCOMPARE(cell(4, 1), " $230.10");
    QCOMPARE(cell(5, 1), " $255.10");
    QCOMPARE(cell(4, 2), " $205.10");
    QCOMPARE(cell(1, 0), "  $11.75");
    QCOMPARE(control<QTableWidget>("grdSP")->item(1, 4)->text(), " $230.10"); // what the grid shows
    QVERIFY(messages.texts.isEmpty());
}

void MainWindowTest::commissionSwitchRewritesWithoutRecalculating()
{
    typeInto("edtStockBuyPrice", "10");
    typeInto("edtStockShares", "100");
    typeInto("edtStockBuyCommission", "9.95");
    QCOMPARE(text("edtBuyCommissionPaid"), "9.95");

    QTest::mouseClick(control<QRadioButton>("rbBpercent"), Qt::LeftButton);
    QCOMPARE(text("edtStockBuyCommission"), "9.950");
    QCOMPARE(control<QLabel>("lblCommissionBuy")->text(), "Commission (%)");
    QCOMPARE(QApplication::focusWidget(), field("edtStockBuyCommission"));
    QCOMPARE(text("edtBuyCommissionPaid"), "9.95"); // not recalculated by the switch itself

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // leaving the field recalculates
    QCOMPARE(text("edtBuyCommissionPaid"), "99.50");

    typeInto("edtStockBuyCommission", "1.125");
    QTest::mouseClick(control<QRadioButton>("rbBfee"), Qt::LeftButton);
    QCOMPARE(text("edtStockBuyCommission"), "1.13");
    QCOMPARE(control<QLabel>("lblCommissionBuy")->text(), "Commission ($)");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(text("edtBuyCommissionPaid"), "1.13");
    QCOMPARE(text("edtStockTotalPaid"), "1001.13");
}

void MainWindowTest::resetAfterACalculation()
{
    enterExample();
    control<QRadioButton>("rbSfee")->setFocus(); // the focus outside the entry fields
    QTest::mouseClick(control<QToolButton>("btnReset"), Qt::LeftButton);

    for (const char* price : {"edtStockBuyPrice", "edtStockSellPrice"})
        QCOMPARE(text(price), "0.00000");
    QCOMPARE(text("edtStockShares"), "0");
    QCOMPARE(text("edtSpread"), "0");
    for (const char* money : {"edtStockBuyCommission", "edtStockSellCommission", "edtBuyCommissionPaid",
                              "edtStockTotalPaid", "edtStockGrossProfit", "edtSellCommissionPaid", "edtStockProfit"})
        QCOMPARE(text(money), "0.00");
    QVERIFY(control<QRadioButton>("rbBfee")->isChecked());
    QVERIFY(control<QRadioButton>("rbSfee")->isChecked());
    QCOMPARE(control<QLabel>("lblCommissionSell")->text(), "Commission ($)");
    QCOMPARE(control<QComboBox>("cbSpread")->currentText(), "1/4");
    QCOMPARE(text("edtTotalSpread"), "0.25000");
    QCOMPARE(cell(1, 0), " ($0.75)");
    QCOMPARE(cell(4, 0), " $0.00");
    QCOMPARE(cell(0, 8), " $1.75");
    for (int column = 1; column < gildcrest::kChartColumns; ++column)
        for (int row = 1; row < gildcrest::kChartRows; ++row)
            QCOMPARE(cell(column, row), " $0.00");
    QVERIFY(!control<QToolButton>("btnReset")->isEnabled());
    QVERIFY(!control<QAction>("mnuFileReset")->isEnabled());
    QVERIFY(control<QToolButton>("btnPrint")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), field("edtStockBuyPrice"));
}

void MainWindowTest::resetReturnsToFees()
{
    enterExample();
    QTest::mouseClick(control<QRadioButton>("rbBpercent"), Qt::LeftButton);
    QTest::mouseClick(control<QRadioButton>("rbSpercent"), Qt::LeftButton);
    QCOMPARE(text("edtStockSellCommission"), "9.950");
    control<QAction>("mnuFileReset")->trigger();
    QVERIFY(control<QRadioButton>("rbBfee")->isChecked());
    QVERIFY(control<QRadioButton>("rbSfee")->isChecked());
    QCOMPARE(control<QLabel>("lblCommissionBuy")->text(), "Commission ($)");
    QCOMPARE(control<QLabel>("lblCommissionSell")->text(), "Commission ($)");
    QCOMPARE(text("edtStockBuyCommission"), "0.00");
    QCOMPARE(text("edtStockSellCommission"), "0.00");
    QCOMPARE(text("edtStockProfit"), "0.00");
    QCOMPARE(QApplication::focusWidget(), field("edtStockBuyPrice"));
    QVERIFY(!control<QToolButton>("btnReset")->isEnabled());
}

void MainWindowTest::clickIntoAResultFieldAtStartRecalculates()
{
    QTest::mouseClick(field("edtStockTotalPaid"), Qt::LeftButton);
    QTest::mouseClick(field("edtStockShares"), Qt::LeftButton);
    QCOMPARE(cell(4, 1), " $0.00");
    QCOMPARE(cell(7, 8), " $0.00");
    QVERIFY(control<QToolButton>("btnPrint")->isEnabled());
    QVERIFY(control<QToolButton>("btnReset")->isEnabled());
}

void MainWindowTest::overflowShowsTheMessageOnceAndRecovers_data()
{
    QTest::addColumn<QByteArray>("fieldName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shares");
    QTest::newRow("400 digits of price") << QByteArray("edtStockBuyPrice") << QString(400, QLatin1Char('9')) << "1";
    QTest::newRow("400 digits of shares") << QByteArray("edtStockShares") << QString(400, QLatin1Char('9')) << "";
    QTest::newRow("400 digits of whole dollars") << QByteArray("edtSpread") << QString(400, QLatin1Char('9')) << "1";
    QTest::newRow("price times shares") << QByteArray("edtStockSellPrice") << QString(200, QLatin1Char('9'))
                                        << QString(200, QLatin1Char('9'));
}

void MainWindowTest::overflowShowsTheMessageOnceAndRecovers()
{
    QFETCH(QByteArray, fieldName);
    QFETCH(QString, typed);
    QFETCH(QString, shares);
    if (!shares.isEmpty())
        typeInto("edtStockShares", shares);
    typeInto(fieldName.constData(), typed);

    QCOMPARE(messages.texts, QStringList{kFaultMessage});
    QCOMPARE(cell(1, 0), " ($0.75)"); // back to the first state
    QVERIFY(cell(4, 1).isEmpty());

    // Still usable: a sound value recalculates, without another message.
    typeInto(fieldName.constData(), "2");
    typeInto("edtStockShares", "3");
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY(!cell(4, 1).isEmpty());

    // A new fault after a sound recalculation is reported again.
    if (!shares.isEmpty())
        typeInto("edtStockShares", shares);
    typeInto(fieldName.constData(), typed);
    QCOMPARE(messages.texts.size(), 2);
}

void MainWindowTest::unknownFractionAddsNothing()
{
    typeInto("edtSpread", "2");
    auto* fraction = control<QComboBox>("cbSpread");
    fraction->setFocus();
    fraction->lineEdit()->selectAll();
    QTest::keyClicks(fraction->lineEdit(), "2/32"); // not in lowest terms
    QCOMPARE(text("edtTotalSpread"), "2.00000");
    QCOMPARE(cell(0, 2), " $2.00");
    fraction->lineEdit()->selectAll();
    QTest::keyClicks(fraction->lineEdit(), "3/8");
    QCOMPARE(text("edtTotalSpread"), "2.37500");
    QVERIFY(messages.texts.isEmpty());
}

void MainWindowTest::conversionErrorIsUnidentified()
{
    // The fields refuse such text when typed; set by other code it still must not crash.
    field("edtStockShares")->setText(QStringLiteral("12abc"));
    QCOMPARE(messages.texts, QStringList{"An unidentified error has occurred."});
}

void MainWindowTest::tabOrder()
{
    QStringList visited;
    field("edtStockBuyPrice")->setFocus();
    for (int i = 0; i < 10; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    visited << QApplication::focusWidget()->objectName();
    // The unchecked radio button of a pair is skipped, as the result fields are.
    QCOMPARE(visited, QStringList({"edtStockBuyPrice", "edtStockShares", "rbBfee", "edtStockBuyCommission",
                                   "edtStockSellPrice", "rbSfee", "edtStockSellCommission", "edtSpread",
                                   "cbSpread", "edtStockBuyPrice", "edtStockShares"}));
}

void MainWindowTest::layout_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("tool bar") << QByteArray("Panel1") << QRect(0, 0, 622, 33);
    QTest::newRow("trade panel") << QByteArray("Panel24") << QRect(0, 33, 622, 334);
    QTest::newRow("fraction button") << QByteArray("btnFracCalc") << QRect(8, 4, 25, 25);
    QTest::newRow("print button") << QByteArray("btnPrint") << QRect(41, 4, 25, 25);
    QTest::newRow("reset button") << QByteArray("btnReset") << QRect(73, 4, 25, 25);
    QTest::newRow("help button") << QByteArray("btnHelp") << QRect(106, 4, 25, 25);
    QTest::newRow("update button") << QByteArray("oxGraphicButton2") << QRect(138, 4, 25, 25);
    QTest::newRow("exit button") << QByteArray("oxGraphicButton1") << QRect(590, 4, 25, 25);
    QTest::newRow("buy price") << QByteArray("edtStockBuyPrice") << QRect(51, 26, 80, 22);
    QTest::newRow("buy drop-down") << QByteArray("ExplorerButton1") << QRect(131, 26, 25, 23);
    QTest::newRow("shares") << QByteArray("edtStockShares") << QRect(164, 26, 80, 22);
    QTest::newRow("buy commission") << QByteArray("edtStockBuyCommission") << QRect(343, 26, 80, 22);
    QTest::newRow("buy commission paid") << QByteArray("edtBuyCommissionPaid") << QRect(433, 26, 80, 22);
    QTest::newRow("total paid") << QByteArray("edtStockTotalPaid") << QRect(522, 26, 80, 22);
    QTest::newRow("sell price") << QByteArray("edtStockSellPrice") << QRect(51, 65, 80, 22);
    QTest::newRow("sell drop-down") << QByteArray("ExplorerButton2") << QRect(131, 65, 25, 23);
    QTest::newRow("gross profit") << QByteArray("edtStockGrossProfit") << QRect(164, 65, 80, 22);
    QTest::newRow("sell commission") << QByteArray("edtStockSellCommission") << QRect(343, 65, 80, 22);
    QTest::newRow("sell commission paid") << QByteArray("edtSellCommissionPaid") << QRect(433, 65, 80, 22);
    QTest::newRow("net profit") << QByteArray("edtStockProfit") << QRect(522, 65, 80, 23);
    QTest::newRow("buy commission type") << QByteArray("GroupBox1") << QRect(254, 24, 80, 27);
    QTest::newRow("sell commission type") << QByteArray("GroupBox2") << QRect(254, 63, 80, 27);
    QTest::newRow("whole dollars") << QByteArray("edtSpread") << QRect(203, 122, 80, 22);
    QTest::newRow("fraction") << QByteArray("cbSpread") << QRect(312, 122, 58, 22);
    QTest::newRow("increment") << QByteArray("edtTotalSpread") << QRect(406, 122, 80, 22);
    QTest::newRow("chart") << QByteArray("grdSP") << QRect(0, 159, 622, 175);
}

void MainWindowTest::layout()
{
    QFETCH(QByteArray, name);
    QFETCH(QRect, rect);
    QCOMPARE(control(name.constData())->geometry(), rect);
}

void MainWindowTest::menus_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("fraction calculator") << QByteArray("mnuFileFractionCalc") << "&Stock Fraction Calculator" << true;
    QTest::newRow("reset") << QByteArray("mnuFileReset") << "&Reset" << false;
    QTest::newRow("print setup") << QByteArray("MnuFilePrinterSetup") << "Prin&t Setup..." << true;
    QTest::newRow("print") << QByteArray("MnuFilePrint") << "&Print" << false;
    QTest::newRow("exit") << QByteArray("MnuFileExit") << "E&xit" << true;
    QTest::newRow("home page") << QByteArray("mnuInternetWebHome") << "&Home Page" << true;
    QTest::newRow("freeware") << QByteArray("mnuInternetWebSoftware") << "&Freeware Page" << true;
    QTest::newRow("suggestion box") << QByteArray("mnuInternetWebSuggest") << "&Suggestion Box" << true;
    QTest::newRow("send suggestions") << QByteArray("mnuInternetEmailSuggest") << "&Send Suggestions" << true;
    QTest::newRow("tech support") << QByteArray("mnuInternetEmailSupport") << "Contact &Tech Support" << true;
    QTest::newRow("Oxbrindle") << QByteArray("Oxbrindle1") << "&Oxbrindle" << true;
    QTest::newRow("Pellavine") << QByteArray("mnuDownloadPellavine") << "&Pellavine" << true;
    QTest::newRow("Marrowby") << QByteArray("Marrowby1") << "&Marrowby" << true;
    QTest::newRow("Brackenly") << QByteArray("Brackenly1") << "&Brackenly" << true;
    QTest::newRow("update") << QByteArray("CheckforUpdatedVersion1") << "Check for &Updated Version ..." << true;
    QTest::newRow("contents") << QByteArray("MnuHelpContents") << "&Contents" << true;
    QTest::newRow("search") << QByteArray("MnuHelpSearch") << "&Search for Help On..." << true;
    QTest::newRow("how to") << QByteArray("MnuHelpHow") << "&How to Use Help" << true;
    QTest::newRow("about") << QByteArray("MnuHelpAbout") << "&About..." << true;
    QTest::newRow("popup calculator") << QByteArray("mnuPopFractionCalculator") << "&Stock Fraction Calculator" << true;
    QTest::newRow("popup help") << QByteArray("MnuPopHelp") << "&Help" << true;
    QTest::newRow("popup exit") << QByteArray("MnuPopExit") << "E&xit" << true;
}

void MainWindowTest::menus()
{
    QFETCH(QByteArray, name);
    const auto* action = control<QAction>(name.constData());
    QTEST(action->text(), "caption");
    QTEST(action->isEnabled(), "enabled");
}

void MainWindowTest::hintsGoToTheStatusBar()
{
    auto* bar = control<QStatusBar>("StatusBar");
    for (const auto& [name, hint] : {std::pair{"edtStockShares", "Enter number of shares purchased"},
                                     std::pair{"btnPrint", "Click for Print Preveiw ..."},
                                     std::pair{"cbSpread", "Choose a fractional amount"},
                                     std::pair{"grdSP", "Chart displays Net Profit based upon ranges of Buy and Sell prices."}}) {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(control(name), &enter);
        QCOMPARE(bar->currentMessage(), QString::fromLatin1(hint));
    }
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(control("grdSP"), &leave);
    QCOMPARE(bar->currentMessage(), QString());
    QCOMPARE(control<QToolButton>("ExplorerButton1")->toolTip(), "Click to use the Stock Fraction Calculator");
    QVERIFY(control<QToolButton>("btnPrint")->toolTip().isEmpty());
}

void MainWindowTest::accessibleNames()
{
    const std::pair<const char*, const char*> names[] = {
        {"edtStockBuyPrice", "Buy share price"},   {"edtStockShares", "Number of shares"},
        {"edtStockBuyCommission", "Buy commission"}, {"edtBuyCommissionPaid", "Buy commission paid"},
        {"edtStockTotalPaid", "Total paid"},        {"edtStockSellPrice", "Sell share price"},
        {"edtStockGrossProfit", "Gross profit"},    {"edtStockSellCommission", "Sell commission"},
        {"edtSellCommissionPaid", "Sell commission paid"}, {"edtStockProfit", "Net profit"},
        {"edtSpread", "Increment dollars"},         {"cbSpread", "Increment fraction"},
        {"edtTotalSpread", "Increment"},            {"btnPrint", "Click for Print Preveiw"},
        {"oxGraphicButton1", "Click to exit"},
    };
    for (const auto& [name, spoken] : names)
        QCOMPARE(control(name)->accessibleName(), QString::fromLatin1(spoken));
}

void MainWindowTest::fractionCalculatorWritesTheBuyPrice()
{
    window->move(40, 30);
    QPoint expectedCorner;
    QPoint actualCorner;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<gildcrest::TfrmFracCalc*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        actualCorner = dialog->pos();
        expectedCorner = common::centredOver(window->frameGeometry(), dialog->frameGeometry().size());
        sendToBuyPrice(*dialog, QStringLiteral("12.50"), QStringLiteral("3/8"));
    });
    QTest::mouseClick(control<QToolButton>("btnFracCalc"), Qt::LeftButton);

    QCOMPARE(text("edtStockBuyPrice"), "12.87500");
    QCOMPARE(cell(0, 1), " $12.88");
    QCOMPARE(actualCorner, expectedCorner);
    QVERIFY(!window->findChild<gildcrest::TfrmFracCalc*>()); // destroyed after closing
}

void MainWindowTest::negativeBuyPriceFromTheFractionCalculatorStillRefusesLetters()
{
    QTimer::singleShot(0, this, [] {
        if (auto* dialog = qobject_cast<gildcrest::TfrmFracCalc*>(QApplication::activeModalWidget()))
            sendToBuyPrice(*dialog, QStringLiteral("-1.00"), QStringLiteral("1/4"));
    });
    QTest::mouseClick(control<QToolButton>("btnFracCalc"), Qt::LeftButton);
    QCOMPARE(text("edtStockBuyPrice"), "-0.75000");

    NumericEdit* price = field("edtStockBuyPrice");
    price->setFocus(Qt::TabFocusReason);
    QTest::keyClick(price, Qt::Key_End);
    QTest::keyClicks(price, "x");
    QCOMPARE(text("edtStockBuyPrice"), "-0.75000");

    QTest::keyClick(price, Qt::Key_Home);
    QTest::keyClick(price, Qt::Key_Delete);
    QCOMPARE(text("edtStockBuyPrice"), "0.75000");
    QCOMPARE(cell(0, 1), " $0.75");
    QVERIFY(messages.texts.isEmpty());
}

void MainWindowTest::commaLocale()
{
    window.reset();
    common::AppFrame::instance().setLocale(testsupport::germanLocale());
    window = std::make_unique<TfrmMain>();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));

    QCOMPARE(text("edtStockBuyPrice"), "0,00000");
    typeInto("edtStockBuyPrice", "10");
    typeInto("edtStockShares", "100");
    typeInto("edtStockBuyCommission", "9,95");
    typeInto("edtStockSellPrice", "12,5");
    typeInto("edtStockSellCommission", "9,95");
    QCOMPARE(text("edtStockProfit"), "230,10");
    QCOMPARE(cell(4, 1), QString::fromUtf8(" 230,10\u00A0€"));
    QVERIFY(messages.texts.isEmpty());
}

void MainWindowTest::exitCommandsCloseTheWindow_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::newRow("File menu") << QByteArray("MnuFileExit");
    QTest::newRow("popup menu") << QByteArray("MnuPopExit");
}

void MainWindowTest::exitCommandsCloseTheWindow()
{
    QFETCH(QByteArray, command);
    control<QAction>(command.constData())->trigger();
    QVERIFY(!window->isVisible());

    window = std::make_unique<TfrmMain>();
    window->show();
    QTest::mouseClick(control<QToolButton>("oxGraphicButton1"), Qt::LeftButton);
    QVERIFY(!window->isVisible());
}

void MainWindowTest::printerSetupOpensThePageSetupDialog()
{
    QString opened;
    QTimer::singleShot(0, this, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            opened = QString::fromLatin1(dialog->metaObject()->className());
            dialog->close();
        }
    });
    control<QAction>("MnuFilePrinterSetup")->trigger();
    QCOMPARE(opened, "QPageSetupDialog");
    QVERIFY(messages.texts.isEmpty());
}

void MainWindowTest::webCommandsOpenTheirAddresses_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<common::Link>("link");
    QTest::newRow("home page") << QByteArray("mnuInternetWebHome") << common::Link::Home;
    QTest::newRow("freeware") << QByteArray("mnuInternetWebSoftware") << common::Link::Freeware;
    QTest::newRow("suggestion box") << QByteArray("mnuInternetWebSuggest") << common::Link::Suggest;
    QTest::newRow("send suggestions") << QByteArray("mnuInternetEmailSuggest") << common::Link::EmailSuggest;
    QTest::newRow("tech support") << QByteArray("mnuInternetEmailSupport") << common::Link::EmailSupport;
    QTest::newRow("tech support from Help") << QByteArray("mnuHelpEmailSupport") << common::Link::EmailSupport;
    QTest::newRow("Oxbrindle") << QByteArray("Oxbrindle1") << common::Link::Oxbrindle;
    QTest::newRow("Pellavine") << QByteArray("mnuDownloadPellavine") << common::Link::Pellavine;
    QTest::newRow("Marrowby") << QByteArray("Marrowby1") << common::Link::Marrowby;
    QTest::newRow("Brackenly") << QByteArray("Brackenly1") << common::Link::Brackenly;
}

void MainWindowTest::webCommandsOpenTheirAddresses()
{
    QFETCH(QByteArray, command);
    QFETCH(common::Link, link);
    AddressRecorder recorder;
    common::setUrlOpener(&recorder);
    const auto restore = qScopeGuard([] { common::setUrlOpener(nullptr); });
    control<QAction>(command.constData())->trigger();
    QCOMPARE(recorder.opened.size(), 1);
    const QString opened = recorder.opened.first().toString();
    QVERIFY2(opened.endsWith(common::linkAddress(link)), qPrintable(opened));
}

void MainWindowTest::helpCommandsAndQuitOnClose()
{
    QVERIFY(!helpWindow() || !helpWindow()->isVisible());
    QTest::keyClick(window.get(), Qt::Key_F1);
    QVERIFY(helpWindow() && helpWindow()->isVisible());
    helpWindow()->close();
    for (const char* command : {"MnuHelpSearch", "MnuHelpHow", "MnuHelpContents"}) {
        control<QAction>(command)->trigger();
        QVERIFY2(helpWindow()->isVisible(), command);
    }
    window->close(); // the help window goes with the main window
    QVERIFY(!helpWindow() || !helpWindow()->isVisible());
    QVERIFY(messages.texts.isEmpty());
}

void MainWindowTest::aboutBoxFromMenuAndCompanyName()
{
    QStringList captions;
    const auto closeAbout = [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            captions << box->windowTitle();
            box->close();
        }
    };
    QTimer::singleShot(0, this, closeAbout);
    control<QAction>("MnuHelpAbout")->trigger();
    QTimer::singleShot(0, this, closeAbout);
    QTest::mouseClick(control("lblCompany"), Qt::LeftButton);
    QCOMPARE(captions, QStringList({" About Gildcrest, 1.0.03", " About Gildcrest, 1.0.03"}));
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
