#include "app_frame.h"
#include "frac_calc.h"
#include "fractions.h"
#include "message_seam.h"
#include "numeric_edit.h"
#include "test_support.h"
#include "window_placement.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <optional>

using common::NumericEdit;
using gildcrest::TfrmFracCalc;

namespace {

class RecordingMessages final : public common::MessageSeam {
public:
    void information(QWidget*, const QString& text) override { texts << text; }
    QStringList texts;
};

QRadioButton* fractionButton(QWidget& window, const QString& text)
{
    for (auto* item : window.findChildren<QRadioButton*>())
        if (item->text() == text)
            return item;
    return nullptr;
}

QButtonGroup* fractionGroup(QWidget& window)
{
    return window.findChild<QButtonGroup*>();
}

// Types into the dollar field as a user does after entering it: the new
// text replaces the old one.
void typeDollar(QWidget& window, const QString& text)
{
    auto* dollar = window.findChild<NumericEdit*>(QStringLiteral("edtSpread"));
    dollar->selectAll();
    QTest::keyClicks(dollar, text);
}

void clickFraction(QWidget& window, const QString& text)
{
    QTest::mouseClick(fractionButton(window, text), Qt::LeftButton);
}

void clickButton(QWidget& window, const char* name)
{
    QTest::mouseClick(window.findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
}

QString fieldText(QWidget& window, const char* name)
{
    return window.findChild<NumericEdit*>(QLatin1String(name))->text();
}

// The calculator over two stand-ins for the main window's price fields,
// shown and active as the user sees it.
struct Calculator {
    NumericEdit buyPrice{5};
    NumericEdit sellPrice{5};
    TfrmFracCalc window{&buyPrice, &sellPrice};

    bool open()
    {
        window.show();
        return QTest::qWaitForWindowActive(&window);
    }
    NumericEdit* dollar() { return window.findChild<NumericEdit*>(QStringLiteral("edtSpread")); }
    QString decimal() { return fieldText(window, "edtDecimal"); }
};

// What a test saw of the calculator while ShowFracCalc held it open.
struct ModalSession {
    QPointer<TfrmFracCalc> calculator;
    QPoint position;
    QPoint centred;
    bool modal = false;
};

// Runs ShowFracCalc over `mainWindow`; `drive` works the open calculator
// before it is closed. The calculator is always closed from the event
// loop, so the run never waits on a window nobody closes.
ModalSession runModal(QWidget& mainWindow, NumericEdit& buyPrice, NumericEdit& sellPrice,
                      const std::function<void(TfrmFracCalc&)>& drive = {})
{
    ModalSession session;
    const QObject scope; // a timer still pending on return must never fire
    QTimer::singleShot(0, &scope, [&] {
        session.calculator = qobject_cast<TfrmFracCalc*>(QApplication::activeModalWidget());
        if (session.calculator) {
            session.modal = session.calculator->isModal();
            session.position = session.calculator->pos();
            session.centred = common::centredOver(mainWindow.frameGeometry(),
                                                  session.calculator->frameGeometry().size());
            if (drive)
                drive(*session.calculator);
        }
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* calculator = qobject_cast<TfrmFracCalc*>(window); calculator && calculator->isVisible())
                calculator->close();
    });
    gildcrest::ShowFracCalc(&mainWindow, &buyPrice, &sellPrice);
    return session;
}

} // namespace

class FracCalcTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void decimalIsDollarPlusFraction_data();
    void decimalIsDollarPlusFraction();
    void everyKeystrokeRecalculates();
    void leavingTheDollarFieldRecalculates();
    void buyPriceWritesOnlyAChangedPrice();
    void buyAndSellTakeDifferentPricesWhileTheWindowStaysOpen();
    void newWindowStartsFromTheDesignState();
    void unconvertibleDollarReachesTheErrorHandlerOnce();
    void commaDecimalLocale();

    void windowAndControlGeometry_data();
    void windowAndControlGeometry();
    void fractionsFillColumnByColumn();
    void textsHintsAndAccessibleNames_data();
    void textsHintsAndAccessibleNames();
    void keyboardReachesEveryInput();
    void returnKeepsTheWindowOpenAndCloseClosesIt();

    void showFracCalcIsModalCentredAndDestroyed();
    void reopeningStartsAfreshAndKeepsWrittenPrices();

private:
    RecordingMessages messages_;
};

void FracCalcTest::initTestCase()
{
    common::AppFrame::instance().setMessageSeam(&messages_);
}

void FracCalcTest::init()
{
    common::AppFrame::instance().setLocale(testsupport::usLocale());
    messages_.texts.clear();
}

void FracCalcTest::cleanup()
{
    common::AppFrame::instance().setLocale(testsupport::usLocale());
    QVERIFY2(messages_.texts.isEmpty(), qPrintable(messages_.texts.join(u'\n')));
}

void FracCalcTest::decimalIsDollarPlusFraction_data()
{
    QTest::addColumn<QString>("fraction");
    QTest::addColumn<QString>("dollar");
    QTest::addColumn<QString>("decimal");
    QTest::newRow("12.50 and 3/8") << "3/8" << "12.50" << "12.87500";
    QTest::newRow("nothing and 31/32") << "31/32" << "0.00" << "0.96875";
    QTest::newRow("negative dollar") << "1/4" << "-1.00" << "-0.75000";
    QTest::newRow("negative below a fraction") << "1/32" << "-0.25" << "-0.21875";
    QTest::newRow("fraction 0") << "0" << "7.25" << "7.25000";
    QTest::newRow("unrounded sum") << "15/16" << "123456.78" << "123457.71750";
}

void FracCalcTest::decimalIsDollarPlusFraction()
{
    QFETCH(QString, fraction);
    QFETCH(QString, dollar);
    QFETCH(QString, decimal);
    Calculator calculator;
    QVERIFY(calculator.open());

    clickFraction(calculator.window, fraction);
    QVERIFY(fractionButton(calculator.window, fraction)->isChecked());
    typeDollar(calculator.window, dollar);

    QCOMPARE(calculator.dollar()->text(), dollar);
    QCOMPARE(calculator.decimal(), decimal);
}

void FracCalcTest::everyKeystrokeRecalculates()
{
    Calculator calculator;
    QVERIFY(calculator.open());
    clickFraction(calculator.window, QStringLiteral("3/8"));
    calculator.dollar()->setFocus();
    calculator.dollar()->selectAll();

    const struct {
        Qt::Key key;
        const char* decimal;
    } steps[] = {
        {Qt::Key_1, "1.37500"},         {Qt::Key_2, "12.37500"},         {Qt::Key_Period, "12.37500"},
        {Qt::Key_5, "12.87500"},        {Qt::Key_Backspace, "12.37500"}, {Qt::Key_Backspace, "12.37500"},
        {Qt::Key_Backspace, "1.37500"}, {Qt::Key_Backspace, "0.37500"},  {Qt::Key_Minus, "0.37500"},
        {Qt::Key_1, "-0.62500"},
    };
    for (const auto& step : steps) {
        QTest::keyClick(calculator.dollar(), step.key);
        QCOMPARE(calculator.decimal(), QLatin1String(step.decimal));
    }
}

void FracCalcTest::leavingTheDollarFieldRecalculates()
{
    Calculator calculator;
    QVERIFY(calculator.open());
    typeDollar(calculator.window, QStringLiteral("12.50"));
    QSignalSpy decimalChanges(calculator.window.findChild<NumericEdit*>(QStringLiteral("edtDecimal")),
                              &NumericEdit::changed);

    // Already up to date: leaving computes the same text and changes nothing.
    QTest::keyClick(calculator.dollar(), Qt::Key_Tab);
    QVERIFY(!calculator.dollar()->hasFocus());
    QCOMPARE(calculator.decimal(), "12.50000");
    QCOMPARE(decimalChanges.count(), 0);

    // A text that arrived without a change event is taken up on leaving.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QVERIFY(calculator.dollar()->hasFocus());
    {
        const QSignalBlocker quiet(calculator.dollar());
        calculator.dollar()->setText(QStringLiteral("3.00"));
    }
    QCOMPARE(calculator.decimal(), "12.50000");
    QTest::keyClick(calculator.dollar(), Qt::Key_Tab);
    QCOMPARE(calculator.decimal(), "3.00000");
}

void FracCalcTest::buyPriceWritesOnlyAChangedPrice()
{
    Calculator calculator;
    QVERIFY(calculator.open());
    typeDollar(calculator.window, QStringLiteral("12.50"));
    clickFraction(calculator.window, QStringLiteral("3/8"));
    calculator.dollar()->setFocus();
    QSignalSpy buyChanges(&calculator.buyPrice, &NumericEdit::changed);
    QSignalSpy sellChanges(&calculator.sellPrice, &NumericEdit::changed);

    clickButton(calculator.window, "btnBuyPrice");
    QCOMPARE(calculator.buyPrice.text(), "12.87500");
    QCOMPARE(buyChanges.count(), 1);

    // The same price again: the main window has nothing to recalculate.
    clickButton(calculator.window, "btnBuyPrice");
    QCOMPARE(buyChanges.count(), 1);

    QCOMPARE(sellChanges.count(), 0);
    QCOMPARE(calculator.sellPrice.text(), "0.00000");
    // The buttons take no focus, so the user can go on typing dollars.
    QVERIFY(calculator.dollar()->hasFocus());
}

void FracCalcTest::buyAndSellTakeDifferentPricesWhileTheWindowStaysOpen()
{
    Calculator calculator;
    QVERIFY(calculator.open());
    typeDollar(calculator.window, QStringLiteral("12.50"));
    clickFraction(calculator.window, QStringLiteral("3/8"));
    clickButton(calculator.window, "btnBuyPrice");
    QVERIFY(calculator.window.isVisible());

    clickFraction(calculator.window, QStringLiteral("1/2"));
    QCOMPARE(calculator.decimal(), "13.00000");
    clickButton(calculator.window, "btnSellPrice");

    QCOMPARE(calculator.buyPrice.text(), "12.87500");
    QCOMPARE(calculator.sellPrice.text(), "13.00000");
    QVERIFY(calculator.window.isVisible());
}

void FracCalcTest::newWindowStartsFromTheDesignState()
{
    NumericEdit buyPrice(5);
    NumericEdit sellPrice(5);
    TfrmFracCalc window(&buyPrice, &sellPrice);
    QSignalSpy decimalChanges(window.findChild<NumericEdit*>(QStringLiteral("edtDecimal")), &NumericEdit::changed);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QCOMPARE(fieldText(window, "edtSpread"), "0.00");
    QCOMPARE(fieldText(window, "edtDecimal"), "0.00000");
    QCOMPARE(fractionGroup(window)->checkedId(), 0);
    QCOMPARE(fractionGroup(window)->checkedButton()->text(), "0");
    QCOMPARE(QApplication::focusWidget(), window.findChild<NumericEdit*>(QStringLiteral("edtSpread")));
    // Selected, so that the first digit typed replaces it.
    QCOMPARE(window.findChild<NumericEdit*>(QStringLiteral("edtSpread"))->selectedText(), "0.00");
    QCOMPARE(decimalChanges.count(), 0);
    QCOMPARE(buyPrice.text(), "0.00000");
    QCOMPARE(sellPrice.text(), "0.00000");
}

void FracCalcTest::unconvertibleDollarReachesTheErrorHandlerOnce()
{
    QObject mainWindow;
    QList<std::exception_ptr> errors;
    common::AppFrame::instance().setExceptionHandler(&mainWindow, [&](std::exception_ptr error) { errors << error; });
    Calculator calculator;
    QVERIFY(calculator.open());
    typeDollar(calculator.window, QStringLiteral("2.50"));

    // Digits only, but far beyond the range of a double.
    calculator.dollar()->setText(QLatin1Char('1') + QString(400, QLatin1Char('0')));

    QCOMPARE(errors.size(), 1);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, std::rethrow_exception(errors.first()));
    QCOMPARE(calculator.decimal(), "2.50000");
    QVERIFY(calculator.window.isVisible());

    // The window goes on working once the text converts again.
    typeDollar(calculator.window, QStringLiteral("4"));
    QCOMPARE(calculator.decimal(), "4.00000");
    QCOMPARE(errors.size(), 1);
}

void FracCalcTest::commaDecimalLocale()
{
    common::AppFrame::instance().setLocale(testsupport::germanLocale());
    Calculator calculator;
    QVERIFY(calculator.open());
    QCOMPARE(calculator.dollar()->text(), "0,00");

    clickFraction(calculator.window, QStringLiteral("3/8"));
    typeDollar(calculator.window, QStringLiteral("12,5"));
    QCOMPARE(calculator.decimal(), "12,87500");
    clickButton(calculator.window, "btnBuyPrice");
    QCOMPARE(calculator.buyPrice.text(), "12,87500");
}

void FracCalcTest::windowAndControlGeometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("bounds");
    QTest::newRow("Bevel1") << "Bevel1" << QRect(5, 8, 353, 175);
    QTest::newRow("Bevel2") << "Bevel2" << QRect(367, 8, 111, 140);
    QTest::newRow("edtSpread") << "edtSpread" << QRect(14, 40, 90, 21);
    QTest::newRow("rgFraction") << "rgFraction" << QRect(112, 21, 236, 153);
    QTest::newRow("edtDecimal") << "edtDecimal" << QRect(377, 39, 90, 21);
    QTest::newRow("btnBuyPrice") << "btnBuyPrice" << QRect(377, 83, 90, 25);
    QTest::newRow("btnSellPrice") << "btnSellPrice" << QRect(377, 114, 90, 25);
    QTest::newRow("btnClose") << "btnClose" << QRect(377, 158, 90, 25);
    // Labels size themselves to their caption; only the corner is fixed.
    QTest::newRow("Label10") << "Label10" << QRect(46, 21, 0, 0);
    QTest::newRow("Label12") << "Label12" << QRect(404, 21, 0, 0);
    QTest::newRow("Label1") << "Label1" << QRect(403, 65, 0, 0);
}

void FracCalcTest::windowAndControlGeometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, bounds);
    Calculator calculator;
    QVERIFY(calculator.open());

    QCOMPARE(calculator.window.windowTitle(), "Stock Fraction Calculator");
    QCOMPARE(calculator.window.size(), QSize(484, 190));
    QCOMPARE(calculator.window.minimumSize(), QSize(484, 190));
    QCOMPARE(calculator.window.maximumSize(), QSize(484, 190));

    auto* control = calculator.window.findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), &calculator.window);
    if (auto* label = qobject_cast<QLabel*>(control)) {
        QCOMPARE(label->pos(), bounds.topLeft());
        QVERIFY(label->width() >= label->sizeHint().width());
        QVERIFY(label->geometry().right() < calculator.window.width());
    } else {
        QCOMPARE(control->geometry(), bounds);
    }
}

void FracCalcTest::fractionsFillColumnByColumn()
{
    Calculator calculator;
    auto* group = calculator.window.findChild<QGroupBox*>(QStringLiteral("rgFraction"));
    QButtonGroup* items = fractionGroup(calculator.window);
    QVERIFY(group && items);
    QCOMPARE(items->buttons().size(), gildcrest::kFractionCount);
    QVERIFY(items->exclusive());

    constexpr int rows = 8;
    for (int k = 0; k < gildcrest::kFractionCount; ++k) {
        QAbstractButton* item = items->button(k);
        QVERIFY(item);
        QCOMPARE(item->parentWidget(), group);
        QCOMPARE(item->text(), gildcrest::fractionText(k));
        const QRect bounds = item->geometry();
        QVERIFY(group->rect().contains(bounds));
        // The caption must be shown whole.
        QVERIFY2(bounds.width() >= item->sizeHint().width(), qPrintable(item->text()));
        QCOMPARE(bounds.x(), items->button(k / rows * rows)->x());
        QCOMPARE(bounds.y(), items->button(k % rows)->y());
        if (k % rows > 0)
            QVERIFY(bounds.top() >= items->button(k - 1)->geometry().bottom());
        if (k >= rows)
            QVERIFY(bounds.left() >= items->button(k - rows)->geometry().right());
    }
    // "1/4" opens the second column; "31/32" closes the fourth.
    QCOMPARE(fractionButton(calculator.window, "1/4")->y(), items->button(0)->y());
    QVERIFY(fractionButton(calculator.window, "1/4")->x() > items->button(rows - 1)->x());
    QCOMPARE(fractionButton(calculator.window, "31/32")->x(), items->button(3 * rows)->x());
    QCOMPARE(fractionButton(calculator.window, "31/32")->y(), items->button(rows - 1)->y());
    // Below the group's caption.
    QVERIFY(items->button(0)->y() >= group->fontMetrics().height());
}

void FracCalcTest::textsHintsAndAccessibleNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("edtSpread") << "edtSpread" << "0.00" << "Enter a currency amount" << "Dollar";
    QTest::newRow("rgFraction") << "rgFraction" << " Stock Fraction " << "Click on desired stock fraction"
                                << "Stock fraction";
    QTest::newRow("edtDecimal") << "edtDecimal" << "0.00000" << "" << "Decimal";
    QTest::newRow("btnBuyPrice") << "btnBuyPrice" << "BUY Price" << "Click to use as Share BUY Price"
                                 << "BUY Price";
    QTest::newRow("btnSellPrice") << "btnSellPrice" << "SELL Price" << "Click to use as Share SELL Price"
                                  << "SELL Price";
    QTest::newRow("btnClose") << "btnClose" << "Close" << "Click to close Stock Fraction Calculator" << "Close";
    QTest::newRow("Label10") << "Label10" << "Dollar" << "" << "";
    QTest::newRow("Label12") << "Label12" << "Decimal" << "" << "";
    QTest::newRow("Label1") << "Label1" << "Use As:" << "" << "";
}

void FracCalcTest::textsHintsAndAccessibleNames()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(QString, accessibleName);
    Calculator calculator;
    auto* control = calculator.window.findChild<QWidget*>(name);
    QVERIFY(control);

    QString shown;
    if (auto* edit = qobject_cast<NumericEdit*>(control))
        shown = edit->text();
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        shown = group->title();
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        shown = button->text();
    else if (auto* label = qobject_cast<QLabel*>(control))
        shown = label->text();
    QCOMPARE(shown, caption);
    QCOMPARE(control->statusTip(), hint);
    if (!accessibleName.isEmpty())
        QCOMPARE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name), accessibleName);
    if (auto* label = qobject_cast<QLabel*>(control)) {
        QCOMPARE(label->font().family(), "Arial");
        QCOMPARE(label->font().pixelSize(), 11);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    }

    // Hints go to the status bar only: the window shows no tooltips.
    for (auto* widget : calculator.window.findChildren<QWidget*>())
        QVERIFY2(widget->toolTip().isEmpty(), qPrintable(widget->objectName()));
    for (auto* item : fractionGroup(calculator.window)->buttons())
        QCOMPARE(QAccessible::queryAccessibleInterface(item)->text(QAccessible::Name), item->text());
}

void FracCalcTest::keyboardReachesEveryInput()
{
    Calculator calculator;
    QVERIFY(calculator.open());
    auto* close = calculator.window.findChild<QPushButton*>(QStringLiteral("btnClose"));
    QButtonGroup* items = fractionGroup(calculator.window);
    const auto press = [](int key) { QTest::keyClick(QApplication::focusWidget(), Qt::Key(key)); };

    // Round the tab order both ways; the group is one stop, at its checked item.
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), items->button(0));
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), close);
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), calculator.dollar());
    press(Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), close);
    press(Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), items->button(0));

    // The arrow keys move through the grid, choose the fraction and recalculate.
    press(Qt::Key_Down);
    QCOMPARE(items->checkedId(), 1);
    QCOMPARE(calculator.decimal(), "0.03125");
    press(Qt::Key_Right);
    QCOMPARE(items->checkedId(), 9);
    QCOMPARE(calculator.decimal(), "0.28125");

    // Coming back to the group lands on the item now checked.
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), close);
    press(Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), items->button(9));
}

void FracCalcTest::returnKeepsTheWindowOpenAndCloseClosesIt()
{
    Calculator calculator;
    QVERIFY(calculator.open());
    typeDollar(calculator.window, QStringLiteral("12.50"));
    QTest::keyClick(calculator.dollar(), Qt::Key_Return);
    QVERIFY(calculator.window.isVisible());
    QCOMPARE(calculator.decimal(), "12.50000");

    clickButton(calculator.window, "btnClose");
    QVERIFY(!calculator.window.isVisible());
    QCOMPARE(calculator.window.result(), int(QDialog::Rejected));
}

void FracCalcTest::showFracCalcIsModalCentredAndDestroyed()
{
    QWidget mainWindow;
    // Partly off the screen: the calculator follows the main window there,
    // where Qt's own placement would pull it back onto the screen.
    mainWindow.setGeometry(-250, 60, 641, 471);
    NumericEdit buyPrice(5, &mainWindow);
    NumericEdit sellPrice(5, &mainWindow);
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));

    const ModalSession session = runModal(mainWindow, buyPrice, sellPrice);

    QVERIFY(session.modal);
    QCOMPARE(session.position, session.centred);
    QVERIFY(session.calculator.isNull());
    QVERIFY(mainWindow.findChildren<TfrmFracCalc*>().isEmpty());
}

void FracCalcTest::reopeningStartsAfreshAndKeepsWrittenPrices()
{
    QWidget mainWindow;
    mainWindow.resize(640, 470);
    NumericEdit buyPrice(5, &mainWindow);
    NumericEdit sellPrice(5, &mainWindow);
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));

    runModal(mainWindow, buyPrice, sellPrice, [](TfrmFracCalc& calculator) {
        typeDollar(calculator, QStringLiteral("12.50"));
        clickFraction(calculator, QStringLiteral("3/8"));
        clickButton(calculator, "btnBuyPrice");
    });
    QCOMPARE(buyPrice.text(), "12.87500");

    struct Seen {
        QString dollar;
        QString decimal;
        int fraction = -1;
    };
    std::optional<Seen> seen;
    runModal(mainWindow, buyPrice, sellPrice, [&](TfrmFracCalc& calculator) {
        seen = Seen{fieldText(calculator, "edtSpread"), fieldText(calculator, "edtDecimal"),
                    fractionGroup(calculator)->checkedId()};
    });
    QVERIFY(seen);
    QCOMPARE(seen->dollar, "0.00");
    QCOMPARE(seen->decimal, "0.00000");
    QCOMPARE(seen->fraction, 0);
    QCOMPARE(buyPrice.text(), "12.87500");
}

QTEST_MAIN(FracCalcTest)
#include "tst_frac_calc.moc"
