#include "app_frame.h"
#include "exit_watch.h"
#include "faults.h"
#include "message_seam.h"
#include "numeric_edit.h"
#include "test_support.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using common::AppFrame;
using common::NumericEdit;

namespace {

class RecordingSeam final : public common::MessageSeam {
public:
    void information(QWidget*, const QString& text) override { texts << text; }
    QStringList texts;
};

// A shown, active window holding fields in tab order, so that focus, keys
// and clicks reach them as they reach a user's fields.
class FieldWindow : public QWidget {
public:
    FieldWindow() { new QVBoxLayout(this); }

    NumericEdit* add(int decimals)
    {
        auto* field = new NumericEdit(decimals, this);
        layout()->addWidget(field);
        return field;
    }

    bool showActive()
    {
        show();
        activateWindow();
        return QTest::qWaitForWindowActive(this);
    }
};

void useLocale(const common::LocaleRecord& locale)
{
    AppFrame::instance().setLocale(locale);
}

// How the keyboard focus leaves or enters a field.
enum class FocusMove { Tab, Backtab, Click, ProgramFocus, OtherWindowActivated, MenuPopsUp };

// What the user does at the caret.
enum class Edit { Type, Paste, Backspace, Delete };

// A field without negatives, shown with the focus in it, to which the
// program has given a negative value, as a price worked out below zero.
class ProgramNegativeField {
public:
    static inline const QString kText = QStringLiteral("-0.75000");

    ProgramNegativeField() { field->setValue(-0.75); }

    bool show()
    {
        if (!window.showActive())
            return false;
        field->setFocus();
        return true;
    }

    FieldWindow window;
    NumericEdit* field = window.add(5);
    QSignalSpy refusals{field, &QLineEdit::inputRejected};
};

} // namespace

class NumericEditTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void startsAtTheZeroTextOfItsDecimals_data();
    void startsAtTheZeroTextOfItsDecimals();
    void typing_data();
    void typing();
    void pasting_data();
    void pasting();
    void setValueChangesTheTextOnlyWhenItDiffers_data();
    void setValueChangesTheTextOnlyWhenItDiffers();
    void setDecimalsRewritesTheTextSilently_data();
    void setDecimalsRewritesTheTextSilently();
    void valueReadsTheText_data();
    void valueReadsTheText();
    void valueOfAnUnreadableText_data();
    void valueOfAnUnreadableText();

    void commaLocaleShowsAndReadsAComma();
    void commaLocaleTyping_data();
    void commaLocaleTyping();
    void keypadDecimalKeyTypesTheSeparator_data();
    void keypadDecimalKeyTypesTheSeparator();

    void enteringSelectsTheWholeTextExceptByMouse_data();
    void enteringSelectsTheWholeTextExceptByMouse();
    void resultFieldIsReadOnlyYellowAndSkippedByTab();
    void resultFieldShowsANegativeResult();
    void editingTheProgramsNegative_data();
    void editingTheProgramsNegative();
    void undoBringsBackTheProgramsMinusAndTheFieldStaysStrict();
    void programsMinusLastsUntilItWritesAgain();

    void exitRunsOnlyWhenFocusMovesWithinTheWindow_data();
    void exitRunsOnlyWhenFocusMovesWithinTheWindow();

private:
    RecordingSeam seam_;
};

void NumericEditTest::initTestCase()
{
    AppFrame::instance().setMessageSeam(&seam_);
}

void NumericEditTest::init()
{
    useLocale(testsupport::usLocale());
}

void NumericEditTest::cleanup()
{
    useLocale(testsupport::usLocale());
    QVERIFY2(seam_.texts.isEmpty(), qPrintable(seam_.texts.join(QLatin1Char('\n'))));
}

void NumericEditTest::cleanupTestCase()
{
    AppFrame::instance().setMessageSeam(nullptr);
}

void NumericEditTest::startsAtTheZeroTextOfItsDecimals_data()
{
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");

    QTest::newRow("two decimals") << 2 << "0.00";
    QTest::newRow("five decimals") << 5 << "0.00000";
    QTest::newRow("no decimals") << 0 << "0";
    QTest::newRow("nine decimals") << 9 << "0.000000000";
}

void NumericEditTest::startsAtTheZeroTextOfItsDecimals()
{
    QFETCH(int, decimals);
    QFETCH(QString, text);

    const NumericEdit field(decimals);
    QCOMPARE(field.text(), text);
    QCOMPARE(field.value(), 0.0);
}

void NumericEditTest::typing_data()
{
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("negatives");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");

    QTest::newRow("digits") << 2 << false << "1234" << "1234";
    QTest::newRow("digits and one separator") << 2 << false << "12.5" << "12.5";
    QTest::newRow("separator first") << 2 << false << ".5" << ".5";
    QTest::newRow("more decimals than shown") << 2 << false << "1.125" << "1.125";
    QTest::newRow("a long number") << 2 << false << "123456789012345.75" << "123456789012345.75";
    QTest::newRow("letters refused") << 2 << false << "1a2B" << "12";
    QTest::newRow("second separator refused") << 2 << false << "1.2.3" << "1.23";
    QTest::newRow("minus refused") << 2 << false << "-5" << "5";
    QTest::newRow("plus refused") << 2 << false << "+5" << "5";
    QTest::newRow("minus where negatives are allowed") << 2 << true << "-5.25" << "-5.25";
    QTest::newRow("minus only in front") << 2 << true << "5-" << "5";
    QTest::newRow("separator refused without decimals") << 0 << false << "1.5" << "15";
    QTest::newRow("thousands separator refused") << 2 << false << "1,234" << "1234";
    QTest::newRow("blank refused") << 2 << false << "1 2" << "12";
    QTest::newRow("exponent refused") << 2 << false << "1e5" << "15";
    QTest::newRow("currency sign refused") << 2 << false << "$5" << "5";
}

void NumericEditTest::typing()
{
    QFETCH(int, decimals);
    QFETCH(bool, negatives);
    QFETCH(QString, keys);
    QFETCH(QString, text);

    FieldWindow window;
    NumericEdit* field = window.add(decimals);
    field->setAcceptsNegative(negatives);
    QVERIFY(window.showActive());
    field->setFocus();
    field->clear();
    QSignalSpy changes(field, &NumericEdit::changed);

    QTest::keyClicks(field, keys);

    QCOMPARE(field->text(), text);
    // One change event for every key that was taken, none for a refused one.
    QCOMPARE(changes.size(), text.size());
}

void NumericEditTest::pasting_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("text");

    QTest::newRow("plain number") << "1234.50" << "1234.50";
    QTest::newRow("grouped number refused") << "1,234.50" << "7.00";
    QTest::newRow("currency refused") << "$5.00" << "7.00";
    QTest::newRow("surrounding blanks refused") << " 12 " << "7.00";
    QTest::newRow("two separators refused") << "1.2.3" << "7.00";
    QTest::newRow("negative refused") << "-3" << "7.00";
}

void NumericEditTest::pasting()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, text);

    FieldWindow window;
    NumericEdit* field = window.add(2);
    field->setValue(7.0);
    QVERIFY(window.showActive());
    field->setFocus();
    QVERIFY(field->hasSelectedText());
    QApplication::clipboard()->setText(clipboard);

    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(field->text(), text);
}

void NumericEditTest::setValueChangesTheTextOnlyWhenItDiffers_data()
{
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("two decimals") << 2 << 1009.95 << "1009.95";
    QTest::newRow("five decimals") << 5 << 0.25 << "0.25000";
    QTest::newRow("no decimals, half rounds away") << 0 << 2.5 << "3";
    QTest::newRow("exact half rounds away") << 2 << 0.125 << "0.13";
    QTest::newRow("2.675 is stored below the half") << 2 << 2.675 << "2.67";
    QTest::newRow("negative") << 2 << -3.5 << "-3.50";
    QTest::newRow("large, without grouping") << 2 << 1e20 << "100000000000000000000.00";
    QTest::newRow("zero is the same text") << 2 << 0.0 << "0.00";
    QTest::newRow("negative rounding to zero is the same text") << 2 << -0.004 << "0.00";
    QTest::newRow("nearly zero is the same text") << 5 << 0.000001 << "0.00000";
}

void NumericEditTest::setValueChangesTheTextOnlyWhenItDiffers()
{
    QFETCH(int, decimals);
    QFETCH(double, value);
    QFETCH(QString, text);

    NumericEdit field(decimals);
    field.setAcceptsNegative(true);
    const bool differs = field.text() != text;
    QSignalSpy changes(&field, &NumericEdit::changed);

    field.setValue(value);
    QCOMPARE(field.text(), text);
    QCOMPARE(changes.size(), differs ? 1 : 0);

    field.setValue(value);
    QCOMPARE(changes.size(), differs ? 1 : 0);
}

void NumericEditTest::setDecimalsRewritesTheTextSilently_data()
{
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("newDecimals");
    QTest::addColumn<QString>("newText");

    QTest::newRow("more decimals") << 2 << "9.95" << 3 << "9.950";
    QTest::newRow("fewer decimals, half rounds away") << 3 << "1.125" << 2 << "1.13";
    QTest::newRow("none, half rounds away") << 2 << "2.50" << 0 << "3";
    QTest::newRow("negative half rounds away") << 2 << "-2.50" << 0 << "-3";
    QTest::newRow("typed text without trailing zeros") << 5 << ".25" << 2 << "0.25";
    QTest::newRow("empty text") << 2 << "" << 5 << "0.00000";
}

void NumericEditTest::setDecimalsRewritesTheTextSilently()
{
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QFETCH(int, newDecimals);
    QFETCH(QString, newText);

    NumericEdit field(decimals);
    field.setAcceptsNegative(true);
    field.setText(text);
    QSignalSpy changes(&field, &NumericEdit::changed);

    field.setDecimals(newDecimals);

    QCOMPARE(field.decimals(), newDecimals);
    QCOMPARE(field.text(), newText);
    QCOMPARE(changes.size(), 0);
}

void NumericEditTest::valueReadsTheText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("separator alone") << "." << 0.0;
    QTest::newRow("minus alone") << "-" << 0.0;
    QTest::newRow("decimal") << "12.5" << 12.5;
    QTest::newRow("trailing separator") << "12." << 12.0;
    QTest::newRow("leading zeros") << "007.50" << 7.5;
    QTest::newRow("negative") << "-1.5" << -1.5;
    QTest::newRow("a price in thirty-seconds") << "10.03125" << 10.03125;
}

void NumericEditTest::valueReadsTheText()
{
    QFETCH(QString, text);
    QFETCH(double, value);

    NumericEdit field(5);
    field.setAcceptsNegative(true);
    field.setText(text);
    QCOMPARE(field.value(), value);
}

void NumericEditTest::valueOfAnUnreadableText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("beyondDoubleRange");

    // Digits are all that can be typed, so only a very long number reaches
    // an arithmetic fault; the program's own texts can be anything.
    QTest::newRow("400 digits") << QString(400, QLatin1Char('9')) << true;
    QTest::newRow("400 digits and decimals") << QString(400, QLatin1Char('1')) + QStringLiteral(".25") << true;
    QTest::newRow("not a number") << "abc" << false;
    QTest::newRow("two separators") << "1.2.3" << false;
}

void NumericEditTest::valueOfAnUnreadableText()
{
    QFETCH(QString, text);
    QFETCH(bool, beyondDoubleRange);

    NumericEdit field(2);
    field.setText(text);
    if (beyondDoubleRange)
        QVERIFY_THROWS_EXCEPTION(common::ArithmeticFault, field.value());
    else
        QVERIFY_THROWS_EXCEPTION(common::ConversionError, field.value());
}

void NumericEditTest::commaLocaleShowsAndReadsAComma()
{
    useLocale(testsupport::germanLocale());

    NumericEdit field(2);
    QCOMPARE(field.text(), QStringLiteral("0,00"));

    field.setValue(1234.5);
    QCOMPARE(field.text(), QStringLiteral("1234,50"));
    QCOMPARE(field.value(), 1234.5);

    field.setDecimals(3);
    QCOMPARE(field.text(), QStringLiteral("1234,500"));
}

void NumericEditTest::commaLocaleTyping_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("comma taken") << "12,5" << "12,5" << 12.5;
    QTest::newRow("period refused") << "12.5" << "125" << 125.0;
    QTest::newRow("second comma refused") << "1,2,3" << "1,23" << 1.23;
}

void NumericEditTest::commaLocaleTyping()
{
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(double, value);

    useLocale(testsupport::germanLocale());
    FieldWindow window;
    NumericEdit* field = window.add(2);
    QVERIFY(window.showActive());
    field->setFocus();

    QTest::keyClicks(field, keys);

    QCOMPARE(field->text(), text);
    QCOMPARE(field->value(), value);
}

void NumericEditTest::keypadDecimalKeyTypesTheSeparator_data()
{
    QTest::addColumn<bool>("commaLocale");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");

    // Typed: 7, the keypad's decimal key, 5, the keypad's decimal key again.
    QTest::newRow("period locale") << false << int(Qt::Key_Period) << 2 << "7.5";
    QTest::newRow("comma locale") << true << int(Qt::Key_Period) << 2 << "7,5";
    QTest::newRow("comma locale, keypad sends a comma") << true << int(Qt::Key_Comma) << 2 << "7,5";
    QTest::newRow("period locale, keypad sends a comma") << false << int(Qt::Key_Comma) << 2 << "7.5";
    QTest::newRow("no decimals") << true << int(Qt::Key_Period) << 0 << "75";
}

void NumericEditTest::keypadDecimalKeyTypesTheSeparator()
{
    QFETCH(bool, commaLocale);
    QFETCH(int, key);
    QFETCH(int, decimals);
    QFETCH(QString, text);

    useLocale(commaLocale ? testsupport::germanLocale() : testsupport::usLocale());
    FieldWindow window;
    NumericEdit* field = window.add(decimals);
    QVERIFY(window.showActive());
    field->setFocus();

    const auto keypadDecimal = [&] { QTest::keyClick(field, Qt::Key(key), Qt::KeypadModifier); };
    QTest::keyClick(field, Qt::Key_7, Qt::KeypadModifier);
    keypadDecimal();
    QTest::keyClick(field, Qt::Key_5, Qt::KeypadModifier);
    keypadDecimal();

    QCOMPARE(field->text(), text);
}

void NumericEditTest::enteringSelectsTheWholeTextExceptByMouse_data()
{
    QTest::addColumn<FocusMove>("move");
    QTest::addColumn<bool>("selectsAll");

    QTest::newRow("Tab") << FocusMove::Tab << true;
    QTest::newRow("Shift+Tab") << FocusMove::Backtab << true;
    QTest::newRow("program's own focus change") << FocusMove::ProgramFocus << true;
    QTest::newRow("mouse click") << FocusMove::Click << false;
}

void NumericEditTest::enteringSelectsTheWholeTextExceptByMouse()
{
    QFETCH(FocusMove, move);
    QFETCH(bool, selectsAll);

    FieldWindow window;
    NumericEdit* before = window.add(2);
    NumericEdit* target = window.add(2);
    NumericEdit* after = window.add(2);
    target->setValue(1009.95);
    QVERIFY(window.showActive());
    (move == FocusMove::Backtab ? after : before)->setFocus();

    switch (move) {
    case FocusMove::Tab:
        QTest::keyClick(before, Qt::Key_Tab);
        break;
    case FocusMove::Backtab:
        QTest::keyClick(after, Qt::Key_Tab, Qt::ShiftModifier);
        break;
    case FocusMove::ProgramFocus:
        target->setFocus();
        break;
    case FocusMove::Click:
        // Left of the first digit.
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(2, target->height() / 2));
        break;
    default:
        QFAIL("not a way of entering a field");
    }

    QCOMPARE(QApplication::focusWidget(), target);
    QCOMPARE(target->selectedText(), selectsAll ? target->text() : QString());
    // Typing replaces the value, or goes in where the user clicked.
    QTest::keyClicks(target, QStringLiteral("3"));
    QCOMPARE(target->text(), selectsAll ? QStringLiteral("3") : QStringLiteral("31009.95"));
}

void NumericEditTest::resultFieldIsReadOnlyYellowAndSkippedByTab()
{
    FieldWindow window;
    NumericEdit* entry = window.add(2);
    NumericEdit* result = window.add(2);
    NumericEdit* nextEntry = window.add(2);
    result->makeResultField();
    result->setValue(42.0);

    QVERIFY(result->isReadOnly());
    QCOMPARE(result->focusPolicy(), Qt::ClickFocus);
    QCOMPARE(result->palette().color(QPalette::Base), QColor(Qt::yellow));

    QVERIFY(window.showActive());
    entry->setFocus();
    QTest::keyClick(entry, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), nextEntry);

    // Reached by a click, it still takes no typing, not even the keypad's
    // decimal key.
    QTest::mouseClick(result, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), result);
    QTest::keyClicks(result, QStringLiteral("5"));
    QTest::keyClick(result, Qt::Key_Period, Qt::KeypadModifier);
    QCOMPARE(result->text(), QStringLiteral("42.00"));
}

void NumericEditTest::resultFieldShowsANegativeResult()
{
    NumericEdit result(2);
    result.makeResultField();
    // A loss is a negative result: the program's text is taken as it is, not
    // refused (with a beep) as a typed minus would be.
    QSignalSpy refused(&result, &QLineEdit::inputRejected);
    QSignalSpy changes(&result, &NumericEdit::changed);

    result.setValue(-12.5);

    QCOMPARE(result.text(), QStringLiteral("-12.50"));
    QCOMPARE(result.value(), -12.5);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(refused.size(), 0);
}

void NumericEditTest::editingTheProgramsNegative_data()
{
    QTest::addColumn<int>("caret");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("refusals");

    // The program wrote -0.75000; the caret is placed before the edit.
    QTest::newRow("letter at the end") << 8 << Edit::Type << "x" << "-0.75000" << 1;
    QTest::newRow("letter in front") << 0 << Edit::Type << "a" << "-0.75000" << 1;
    QTest::newRow("digit at the end") << 8 << Edit::Type << "5" << "-0.750005" << 0;
    QTest::newRow("digit after the minus") << 1 << Edit::Type << "1" << "-10.75000" << 0;
    QTest::newRow("still strict after a digit") << 8 << Edit::Type << "5x" << "-0.750005" << 1;
    QTest::newRow("second separator") << 8 << Edit::Type << "." << "-0.75000" << 1;
    QTest::newRow("second minus in front") << 0 << Edit::Type << "-" << "-0.75000" << 1;
    QTest::newRow("minus after the minus") << 1 << Edit::Type << "-" << "-0.75000" << 1;
    QTest::newRow("Backspace removes the minus") << 1 << Edit::Backspace << "" << "0.75000" << 0;
    QTest::newRow("Delete removes the minus") << 0 << Edit::Delete << "" << "0.75000" << 0;
    QTest::newRow("Backspace removes a digit") << 8 << Edit::Backspace << "" << "-0.7500" << 0;
    QTest::newRow("Delete removes the separator") << 2 << Edit::Delete << "" << "-075000" << 0;
    QTest::newRow("pasted letter") << 8 << Edit::Paste << "x" << "-0.75000" << 1;
    QTest::newRow("pasted digits") << 8 << Edit::Paste << "25" << "-0.7500025" << 0;
    QTest::newRow("pasted separator and digit") << 8 << Edit::Paste << ".5" << "-0.75000" << 1;
    QTest::newRow("pasted negative after the minus") << 1 << Edit::Paste << "-3" << "-0.75000" << 1;
}

void NumericEditTest::editingTheProgramsNegative()
{
    QFETCH(int, caret);
    QFETCH(Edit, edit);
    QFETCH(QString, input);
    QFETCH(QString, text);
    QFETCH(int, refusals);

    ProgramNegativeField price;
    // The program's own text is taken without a beep.
    QCOMPARE(price.field->text(), ProgramNegativeField::kText);
    QCOMPARE(price.refusals.size(), 0);
    QVERIFY(price.show());
    price.field->setCursorPosition(caret);
    QSignalSpy changes(price.field, &NumericEdit::changed);

    switch (edit) {
    case Edit::Type:
        QTest::keyClicks(price.field, input);
        break;
    case Edit::Paste:
        QApplication::clipboard()->setText(input);
        QTest::keyClick(price.field, Qt::Key_V, Qt::ControlModifier);
        break;
    case Edit::Backspace:
        QTest::keyClick(price.field, Qt::Key_Backspace);
        break;
    case Edit::Delete:
        QTest::keyClick(price.field, Qt::Key_Delete);
        break;
    }

    QCOMPARE(price.field->text(), text);
    QCOMPARE(price.refusals.size(), refusals);
    // A refused edit leaves no change event behind.
    QCOMPARE(changes.isEmpty(), text == ProgramNegativeField::kText);
    QCOMPARE(price.field->value(), text.toDouble());
}

void NumericEditTest::undoBringsBackTheProgramsMinusAndTheFieldStaysStrict()
{
    ProgramNegativeField price;
    QVERIFY(price.show());
    price.field->setCursorPosition(0);
    QTest::keyClick(price.field, Qt::Key_Delete);
    QCOMPARE(price.field->text(), QStringLiteral("0.75000"));

    QTest::keyClick(price.field, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(price.field->text(), ProgramNegativeField::kText);
    QCOMPARE(price.refusals.size(), 0);

    QTest::keyClick(price.field, Qt::Key_End);
    QTest::keyClicks(price.field, QStringLiteral("x"));
    QCOMPARE(price.field->text(), ProgramNegativeField::kText);
    QCOMPARE(price.refusals.size(), 1);
}

void NumericEditTest::programsMinusLastsUntilItWritesAgain()
{
    ProgramNegativeField price;
    price.field->setValue(0.5);
    QVERIFY(price.show());

    price.field->setCursorPosition(0);
    QTest::keyClicks(price.field, QStringLiteral("-"));

    QCOMPARE(price.field->text(), QStringLiteral("0.50000"));
    QCOMPARE(price.refusals.size(), 1);
}

void NumericEditTest::exitRunsOnlyWhenFocusMovesWithinTheWindow_data()
{
    QTest::addColumn<FocusMove>("move");
    QTest::addColumn<int>("exits");

    QTest::newRow("Tab") << FocusMove::Tab << 1;
    QTest::newRow("Shift+Tab") << FocusMove::Backtab << 1;
    QTest::newRow("click into another field") << FocusMove::Click << 1;
    QTest::newRow("program's own focus change") << FocusMove::ProgramFocus << 1;
    QTest::newRow("another window activated") << FocusMove::OtherWindowActivated << 0;
    QTest::newRow("menu pops up") << FocusMove::MenuPopsUp << 0;
}

void NumericEditTest::exitRunsOnlyWhenFocusMovesWithinTheWindow()
{
    QFETCH(FocusMove, move);
    QFETCH(int, exits);

    FieldWindow window;
    NumericEdit* previous = window.add(2);
    NumericEdit* watched = window.add(2);
    NumericEdit* next = window.add(2);
    int exitRuns = 0;
    common::onExit(watched, [&] { ++exitRuns; });
    QVERIFY(window.showActive());
    watched->setFocus();
    QCOMPARE(exitRuns, 0);

    QWidget otherWindow;
    QMenu menu(&window);
    menu.addAction(QStringLiteral("&Print"));
    switch (move) {
    case FocusMove::Tab:
        QTest::keyClick(watched, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
        break;
    case FocusMove::Backtab:
        QTest::keyClick(watched, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), previous);
        break;
    case FocusMove::Click:
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), next);
        break;
    case FocusMove::ProgramFocus:
        previous->setFocus();
        break;
    case FocusMove::OtherWindowActivated:
        otherWindow.setGeometry(400, 0, 200, 100);
        otherWindow.show();
        otherWindow.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&otherWindow));
        QCOMPARE(exitRuns, 0);
        // Coming back is no exit either.
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_COMPARE(QApplication::focusWidget(), watched);
        break;
    case FocusMove::MenuPopsUp:
        menu.popup(window.mapToGlobal(QPoint(10, 10)));
        QTRY_VERIFY(menu.isVisible());
        QCOMPARE(exitRuns, 0);
        menu.close();
        QTRY_COMPARE(QApplication::focusWidget(), watched);
        break;
    }

    QCOMPARE(exitRuns, exits);
}

QTEST_MAIN(NumericEditTest)
#include "tst_numeric_edit.moc"
