#include "app_frame.h"
#include "faults.h"
#include "form_parts.h"
#include "message_seam.h"
#include "picture_field.h"
#include "test_support.h"

#include <QApplication>
#include <QClipboard>
#include <QHash>
#include <QHelpEvent>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QToolTip>

using common::AppFrame;
using common::PictureField;

namespace {

class RecordingSeam final : public common::MessageSeam {
public:
    void information(QWidget*, const QString& text) override { texts << text; }
    QStringList texts;
};

enum class Pattern { Cash, Rate };

QStringView patternOf(Pattern pattern)
{
    return pattern == Pattern::Cash ? common::kCashPicture : common::kRatePicture;
}

void useLocale(bool german)
{
    AppFrame::instance().setLocale(german ? testsupport::germanLocale() : testsupport::usLocale());
}

// A shown, active window of fields in tab order, each as large as the
// calculator's result fields, so that focus, keys, clicks and drawing reach
// them as they reach a user's fields.
class FieldWindow : public QWidget {
public:
    FieldWindow()
    {
        resize(240, 200);
        setFont(common::arialFont(11)); // the calculator's font
    }

    PictureField* add(Pattern pattern)
    {
        auto* field = new PictureField(patternOf(pattern), this);
        field->setGeometry(10, 10 + 30 * int(children().size() - 1), 100, 22);
        return field;
    }

    bool showActive()
    {
        show();
        activateWindow();
        return QTest::qWaitForWindowActive(this);
    }
};

// Key names stand for their keys, anything else is typed as it stands.
void press(QWidget* widget, const QStringList& steps)
{
    static const QHash<QString, Qt::Key> keys = {
        {"Home", Qt::Key_Home},     {"End", Qt::Key_End},       {"Left", Qt::Key_Left},
        {"Right", Qt::Key_Right},   {"Insert", Qt::Key_Insert}, {"Backspace", Qt::Key_Backspace},
    };
    for (const QString& step : steps) {
        if (keys.contains(step))
            QTest::keyClick(widget, keys.value(step));
        else
            QTest::keyClicks(widget, step);
    }
}

// The columns of `image` that differ from `other`, within the middle rows
// and inside the frame (which shows the focus).
QList<int> differingColumns(const QImage& image, const QImage& other)
{
    constexpr int frame = 3;
    QList<int> columns;
    for (int x = frame; x < image.width() - frame; ++x) {
        for (int y = image.height() / 4; y < image.height() * 3 / 4; ++y) {
            if (image.pixel(x, y) != other.pixel(x, y)) {
                columns << x;
                break;
            }
        }
    }
    return columns;
}

// The columns holding text (dark on the yellow of a result field), within
// the middle rows.
QList<int> inkColumns(const QImage& image)
{
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = image.height() / 4; y < image.height() * 3 / 4; ++y) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.red() < 160 && pixel.blue() < 60) {
                columns << x;
                break;
            }
        }
    }
    return columns;
}

bool isContiguous(const QList<int>& columns)
{
    return !columns.isEmpty() && columns.last() - columns.first() + 1 == columns.size();
}

} // namespace

class PictureFieldTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void startsAtZeroThroughThePicture_data();
    void startsAtZeroThroughThePicture();
    void setValueShowsThroughThePicture_data();
    void setValueShowsThroughThePicture();
    void typing_data();
    void typing();
    void pasting_data();
    void pasting();
    void keypadDecimalKeyTypesTheLocaleSeparator_data();
    void keypadDecimalKeyTypesTheLocaleSeparator();

    void leavingRewritesThroughThePicture_data();
    void leavingRewritesThroughThePicture();
    void anotherWindowOrAMenuIsNoExit();
    void errorLookStaysUntilTheTextIsANumber();

    void enteringSelectsTheWholeText_data();
    void enteringSelectsTheWholeText();
    void overwriteMode_data();
    void overwriteMode();
    void overwriteCaretIsABlockOverTheNextCharacter();

    void resultFieldIsReadOnlyYellowAndNeverFocused();
    void largeValuesAreShownWhole_data();
    void largeValuesAreShownWhole();
    void toolTipDelayIsTheProgramsOwn();

private:
    RecordingSeam seam_;
};

void PictureFieldTest::initTestCase()
{
    AppFrame::instance().setMessageSeam(&seam_);
}

void PictureFieldTest::init()
{
    useLocale(false);
}

void PictureFieldTest::cleanup()
{
    useLocale(false);
    QApplication::clipboard()->clear();
    QVERIFY2(seam_.texts.isEmpty(), qPrintable(seam_.texts.join(QLatin1Char('\n'))));
}

void PictureFieldTest::cleanupTestCase()
{
    AppFrame::instance().setMessageSeam(nullptr);
}

void PictureFieldTest::startsAtZeroThroughThePicture_data()
{
    QTest::addColumn<Pattern>("pattern");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("text");

    QTest::newRow("cash") << Pattern::Cash << false << "        $0.00";
    QTest::newRow("rate") << Pattern::Rate << false << "  0.0000";
    QTest::newRow("cash, German") << Pattern::Cash << true << "        €0,00";
    QTest::newRow("rate, German") << Pattern::Rate << true << "  0,0000";
}

void PictureFieldTest::startsAtZeroThroughThePicture()
{
    QFETCH(Pattern, pattern);
    QFETCH(bool, german);
    QFETCH(QString, text);

    useLocale(german);
    const PictureField field(patternOf(pattern));
    QCOMPARE(field.text(), text);
    QCOMPARE(field.value(), 0.0);
    QVERIFY(field.alignment().testFlag(Qt::AlignRight));
    QVERIFY(!field.isInError());
    QVERIFY(!field.isOverwriteMode());
}

void PictureFieldTest::setValueShowsThroughThePicture_data()
{
    QTest::addColumn<Pattern>("pattern");
    QTest::addColumn<bool>("german");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("shownValue");

    QTest::newRow("cash") << Pattern::Cash << false << 1500.0 << "    $1,500.00" << 1500.0;
    QTest::newRow("largest cash") << Pattern::Cash << false << 9999999.99 << "$9,999,999.99" << 9999999.99;
    QTest::newRow("cash rounds to cents") << Pattern::Cash << false << 1967.1549 << "    $1,967.15" << 1967.15;
    QTest::newRow("a loss") << Pattern::Cash << false << -3266.68 << "   -$3,266.68" << -3266.68;
    QTest::newRow("nine integer digits, whole") << Pattern::Cash << false << 123456789.0 << "$123,456,789.00"
                                                << 123456789.0;
    QTest::newRow("rate") << Pattern::Rate << false << 18.0 << " 18.0000" << 18.0;
    QTest::newRow("rate rounds to four decimals") << Pattern::Rate << false << 18.123456 << " 18.1235" << 18.1235;
    QTest::newRow("negative rate") << Pattern::Rate << false << -7.5 << " -7.5000" << -7.5;
    QTest::newRow("largest rate") << Pattern::Rate << false << 999.9999 << "999.9999" << 999.9999;
    QTest::newRow("cash, German") << Pattern::Cash << true << 1000.0 << "    €1.000,00" << 1000.0;
    QTest::newRow("rate, German") << Pattern::Rate << true << 18.5 << " 18,5000" << 18.5;
}

void PictureFieldTest::setValueShowsThroughThePicture()
{
    QFETCH(Pattern, pattern);
    QFETCH(bool, german);
    QFETCH(double, value);
    QFETCH(QString, text);
    QFETCH(double, shownValue);

    useLocale(german);
    PictureField field(patternOf(pattern));
    QSignalSpy refused(&field, &QLineEdit::inputRejected);

    field.setValue(value);

    QCOMPARE(field.text(), text);
    QCOMPARE(field.value(), shownValue);
    // The program's own text is never a refused keystroke, whatever it holds.
    QCOMPARE(refused.size(), 0);
}

void PictureFieldTest::typing_data()
{
    QTest::addColumn<Pattern>("pattern");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("refusals");

    // The field is entered first, so the first key taken replaces the text.
    QTest::newRow("cash digits") << Pattern::Cash << false << "1500" << "1500" << 0;
    QTest::newRow("cash as shown") << Pattern::Cash << false << "$1,500.25" << "$1,500.25" << 0;
    QTest::newRow("grouping anywhere") << Pattern::Cash << false << "15,00" << "15,00" << 0;
    QTest::newRow("fill blanks before the number") << Pattern::Cash << false << "  $5" << "  $5" << 0;
    QTest::newRow("seven integer digits") << Pattern::Cash << false << "12345678" << "1234567" << 1;
    QTest::newRow("two decimals") << Pattern::Cash << false << "1.255" << "1.25" << 1;
    QTest::newRow("one decimal separator") << Pattern::Cash << false << "1.2.3" << "1.23" << 1;
    QTest::newRow("no minus for cash") << Pattern::Cash << false << "-5" << "5" << 1;
    QTest::newRow("no plus") << Pattern::Cash << false << "+5" << "5" << 1;
    QTest::newRow("letters refused") << Pattern::Cash << false << "a1b" << "1" << 2;
    QTest::newRow("no exponent") << Pattern::Cash << false << "1e5" << "15" << 1;
    QTest::newRow("symbol only in front") << Pattern::Cash << false << "5$" << "5" << 1;
    QTest::newRow("second symbol refused") << Pattern::Cash << false << "$$5" << "$5" << 1;
    QTest::newRow("no blank among the digits") << Pattern::Cash << false << "1 5" << "15" << 1;
    QTest::newRow("rate") << Pattern::Rate << false << "18.5" << "18.5" << 0;
    QTest::newRow("negative rate") << Pattern::Rate << false << "-7.25" << "-7.25" << 0;
    QTest::newRow("minus only in front") << Pattern::Rate << false << "5-" << "5" << 1;
    QTest::newRow("one minus") << Pattern::Rate << false << "--5" << "-5" << 1;
    QTest::newRow("three integer digits") << Pattern::Rate << false << "1234" << "123" << 1;
    QTest::newRow("four decimals") << Pattern::Rate << false << "1.23456" << "1.2345" << 1;
    QTest::newRow("no grouping in a rate") << Pattern::Rate << false << "1,00" << "100" << 1;
    QTest::newRow("no currency in a rate") << Pattern::Rate << false << "$5" << "5" << 1;
    QTest::newRow("German cash") << Pattern::Cash << true << "1.500,5" << "1.500,5" << 0;
    QTest::newRow("German cash, one comma") << Pattern::Cash << true << "1,5,5" << "1,55" << 1;
    QTest::newRow("German rate") << Pattern::Rate << true << "18,5" << "18,5" << 0;
    QTest::newRow("German rate, no period") << Pattern::Rate << true << "18.5" << "185" << 1;
}

void PictureFieldTest::typing()
{
    QFETCH(Pattern, pattern);
    QFETCH(bool, german);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(int, refusals);

    useLocale(german);
    FieldWindow window;
    PictureField* field = window.add(pattern);
    QVERIFY(window.showActive());
    field->setFocus();
    // Every refusal beeps.
    QSignalSpy refused(field, &QLineEdit::inputRejected);

    QTest::keyClicks(field, keys);

    QCOMPARE(field->text(), text);
    QCOMPARE(refused.size(), refusals);
}

void PictureFieldTest::pasting_data()
{
    QTest::addColumn<Pattern>("pattern");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("taken");

    QTest::newRow("plain number") << Pattern::Cash << false << "1234.5" << true;
    QTest::newRow("a field's own text") << Pattern::Cash << false << "    $1,500.00" << true;
    QTest::newRow("eight integer digits") << Pattern::Cash << false << "12345678" << false;
    QTest::newRow("negative cash") << Pattern::Cash << false << "-3" << false;
    QTest::newRow("words") << Pattern::Cash << false << "five dollars" << false;
    QTest::newRow("trailing blank") << Pattern::Cash << false << "12 " << false;
    QTest::newRow("negative rate") << Pattern::Rate << false << "-18.5" << true;
    QTest::newRow("grouped rate") << Pattern::Rate << false << "1,000" << false;
    QTest::newRow("German field text") << Pattern::Cash << true << "    €2.500,50" << true;
    QTest::newRow("German cash, two decimal commas") << Pattern::Cash << true << "2,500,50" << false;
}

void PictureFieldTest::pasting()
{
    QFETCH(Pattern, pattern);
    QFETCH(bool, german);
    QFETCH(QString, clipboard);
    QFETCH(bool, taken);

    useLocale(german);
    FieldWindow window;
    PictureField* field = window.add(pattern);
    field->setValue(7.0);
    const QString before = field->text();
    QVERIFY(window.showActive());
    field->setFocus();
    QSignalSpy refused(field, &QLineEdit::inputRejected);
    QApplication::clipboard()->setText(clipboard);

    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(field->text(), taken ? clipboard : before);
    QCOMPARE(refused.size(), taken ? 0 : 1);
}

void PictureFieldTest::keypadDecimalKeyTypesTheLocaleSeparator_data()
{
    QTest::addColumn<bool>("german");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");

    // Typed: 7, the keypad's decimal key, 5, the keypad's decimal key again.
    QTest::newRow("period locale") << false << int(Qt::Key_Period) << "7.5";
    QTest::newRow("period locale, keypad sends a comma") << false << int(Qt::Key_Comma) << "7.5";
    QTest::newRow("comma locale") << true << int(Qt::Key_Period) << "7,5";
    QTest::newRow("comma locale, keypad sends a comma") << true << int(Qt::Key_Comma) << "7,5";
}

void PictureFieldTest::keypadDecimalKeyTypesTheLocaleSeparator()
{
    QFETCH(bool, german);
    QFETCH(int, key);
    QFETCH(QString, text);

    useLocale(german);
    FieldWindow window;
    PictureField* field = window.add(Pattern::Rate);
    QVERIFY(window.showActive());
    field->setFocus();

    QTest::keyClick(field, Qt::Key_7, Qt::KeypadModifier);
    QTest::keyClick(field, Qt::Key(key), Qt::KeypadModifier);
    QTest::keyClick(field, Qt::Key_5, Qt::KeypadModifier);
    QTest::keyClick(field, Qt::Key(key), Qt::KeypadModifier);

    QCOMPARE(field->text(), text);
}

void PictureFieldTest::leavingRewritesThroughThePicture_data()
{
    QTest::addColumn<Pattern>("pattern");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("inError");

    QTest::newRow("cash digits") << Pattern::Cash << false << QStringList{"1500"} << "    $1,500.00" << false;
    QTest::newRow("misplaced grouping") << Pattern::Cash << false << QStringList{"1,5,00"} << "    $1,500.00" << false;
    QTest::newRow("decimals only") << Pattern::Cash << false << QStringList{".5"} << "        $0.50" << false;
    QTest::newRow("symbol only") << Pattern::Cash << false << QStringList{"$"} << "        $0.00" << false;
    QTest::newRow("emptied") << Pattern::Cash << false << QStringList{"Backspace"} << "        $0.00" << false;
    QTest::newRow("digit deleted in place") << Pattern::Cash << false << QStringList{"End", "Left", "Left",
                                                                                     "Left", "Backspace"}
                                            << "      $150.00" << false;
    QTest::newRow("rate") << Pattern::Rate << false << QStringList{"18"} << " 18.0000" << false;
    QTest::newRow("negative rate") << Pattern::Rate << false << QStringList{"-7.5"} << " -7.5000" << false;
    QTest::newRow("minus zero") << Pattern::Rate << false << QStringList{"-0"} << "  0.0000" << false;
    QTest::newRow("lone minus") << Pattern::Rate << false << QStringList{"-"} << "-" << true;
    QTest::newRow("lone separator") << Pattern::Rate << false << QStringList{"."} << "." << true;
    QTest::newRow("minus and separator") << Pattern::Rate << false << QStringList{"-."} << "-." << true;
    QTest::newRow("German cash") << Pattern::Cash << true << QStringList{"2.500,5"} << "    €2.500,50" << false;
    QTest::newRow("German rate") << Pattern::Rate << true << QStringList{"18,5"} << " 18,5000" << false;
}

void PictureFieldTest::leavingRewritesThroughThePicture()
{
    QFETCH(Pattern, pattern);
    QFETCH(bool, german);
    QFETCH(QStringList, keys);
    QFETCH(QString, text);
    QFETCH(bool, inError);

    useLocale(german);
    FieldWindow window;
    PictureField* field = window.add(pattern);
    PictureField* next = window.add(pattern);
    field->setValue(1500.0);
    QVERIFY(window.showActive());
    field->setFocus();
    press(field, keys);

    QTest::keyClick(field, Qt::Key_Tab);

    QCOMPARE(QApplication::focusWidget(), next);
    QCOMPARE(field->text(), text);
    QCOMPARE(field->isInError(), inError);
    if (inError)
        QVERIFY_THROWS_EXCEPTION(common::ConversionError, field->value());
}

void PictureFieldTest::anotherWindowOrAMenuIsNoExit()
{
    FieldWindow window;
    PictureField* field = window.add(Pattern::Cash);
    PictureField* next = window.add(Pattern::Cash);
    QVERIFY(window.showActive());
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("1500"));

    QMenu menu(&window);
    menu.addAction(QStringLiteral("&Print"));
    menu.popup(window.mapToGlobal(QPoint(10, 10)));
    QTRY_VERIFY(menu.isVisible());
    menu.close();
    QTRY_COMPARE(QApplication::focusWidget(), field);

    QWidget otherWindow;
    otherWindow.setGeometry(400, 0, 200, 100);
    otherWindow.show();
    otherWindow.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&otherWindow));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTRY_COMPARE(QApplication::focusWidget(), field);

    // Still as typed, and still being typed: the caret stayed at its end.
    QCOMPARE(field->text(), QStringLiteral("1500"));
    QTest::keyClicks(field, QStringLiteral("2"));
    QCOMPARE(field->text(), QStringLiteral("15002"));

    next->setFocus();
    QCOMPARE(field->text(), QStringLiteral("   $15,002.00"));
}

void PictureFieldTest::errorLookStaysUntilTheTextIsANumber()
{
    FieldWindow window;
    PictureField* field = window.add(Pattern::Rate);
    PictureField* next = window.add(Pattern::Rate);
    const QPalette normal = field->palette();
    QVERIFY(window.showActive());
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("-"));
    QVERIFY(!field->isInError()); // a lone minus is fine while typing

    QTest::keyClick(field, Qt::Key_Tab);

    QVERIFY(field->isInError());
    QCOMPARE(field->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::red));
    QCOMPARE(field->palette().color(QPalette::Active, QPalette::Text), QColor(Qt::black));
    QVERIFY_THROWS_EXCEPTION(common::ConversionError, field->value());

    // Back into it and out again without mending it: still in error.
    field->setFocus();
    next->setFocus();
    QVERIFY(field->isInError());
    QCOMPARE(field->text(), QStringLiteral("-"));

    // Mended in place: the look goes the moment the text is a number.
    field->setFocus();
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClicks(field, QStringLiteral("5"));
    QVERIFY(!field->isInError());
    QCOMPARE(field->palette().color(QPalette::Active, QPalette::Base), normal.color(QPalette::Active, QPalette::Base));
    QCOMPARE(field->value(), -5.0);

    // The program's own value mends it too.
    QTest::keyClick(field, Qt::Key_Backspace);
    next->setFocus();
    QVERIFY(field->isInError());
    field->setValue(3.0);
    QVERIFY(!field->isInError());
    QCOMPARE(field->text(), QStringLiteral("  3.0000"));
}

void PictureFieldTest::enteringSelectsTheWholeText_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("selectsAll");
    QTest::addColumn<QString>("typed");

    // Typing "3" replaces the whole value once the field is entered.
    QTest::newRow("Tab") << "Tab" << true << "3";
    QTest::newRow("Shift+Tab") << "Backtab" << true << "3";
    QTest::newRow("program's focus change") << "program" << true << "3";
    QTest::newRow("click left of the text") << "click left" << true << "3";
    QTest::newRow("click into the digits") << "click digits" << true << "3";
    QTest::newRow("press and drag into the digits") << "drag" << true << "3";
    // Coming back is no entry: the edit goes on where it was.
    QTest::newRow("back from another window") << "other window" << false << "    $1,009.93";
}

void PictureFieldTest::enteringSelectsTheWholeText()
{
    QFETCH(QString, how);
    QFETCH(bool, selectsAll);
    QFETCH(QString, typed);

    FieldWindow window;
    PictureField* before = window.add(Pattern::Cash);
    PictureField* target = window.add(Pattern::Cash);
    PictureField* after = window.add(Pattern::Cash);
    target->setValue(1009.95);
    QVERIFY(window.showActive());
    (how == "Backtab" ? after : before)->setFocus();
    const QPoint digits(target->width() - 20, target->height() / 2);

    if (how == "Tab") {
        QTest::keyClick(before, Qt::Key_Tab);
    } else if (how == "Backtab") {
        QTest::keyClick(after, Qt::Key_Tab, Qt::ShiftModifier);
    } else if (how == "program") {
        target->setFocus();
    } else if (how == "click left") {
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, target->height() / 2));
    } else if (how == "click digits") {
        QTest::mouseClick(target, Qt::LeftButton, {}, digits);
    } else if (how == "drag") {
        const QPoint end = digits - QPoint(30, 0);
        QTest::mousePress(target, Qt::LeftButton, {}, digits);
        QMouseEvent drag(QEvent::MouseMove, end, target->mapToGlobal(end), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(target, &drag);
        QTest::mouseRelease(target, Qt::LeftButton, {}, end);
    } else {
        target->setFocus();
        press(target, {"End", "Backspace"});
        QWidget otherWindow;
        otherWindow.setGeometry(400, 0, 200, 100);
        otherWindow.show();
        otherWindow.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&otherWindow));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    QTRY_COMPARE(QApplication::focusWidget(), target);
    QCOMPARE(target->selectedText(), selectsAll ? target->text() : QString());
    QTest::keyClicks(target, QStringLiteral("3"));
    QCOMPARE(target->text(), typed);
}

void PictureFieldTest::overwriteMode_data()
{
    QTest::addColumn<Pattern>("pattern");
    QTest::addColumn<double>("value");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("overwriting");

    QTest::newRow("digits replace digits") << Pattern::Rate << 18.0 << QStringList{"Home", "Insert", "25"}
                                           << " 25.0000" << true;
    QTest::newRow("passing over blanks, symbol and grouping")
        << Pattern::Cash << 1500.0 << QStringList{"Home", "Insert", "2750"} << "    $2,750.00" << true;
    QTest::newRow("stepping over the decimal separator")
        << Pattern::Rate << 18.0 << QStringList{"Home", "Insert", "25.75"} << " 25.7500" << true;
    QTest::newRow("a digit at the decimal separator is added")
        << Pattern::Rate << 18.0 << QStringList{"Home", "Insert", "123"} << " 123.0000" << true;
    QTest::newRow("passing over the minus") << Pattern::Rate << -7.5 << QStringList{"Home", "Insert", "9"}
                                            << " -9.5000" << true;
    QTest::newRow("nothing to replace at the end") << Pattern::Rate << 18.5 << QStringList{"End", "Insert", "1"}
                                                   << " 18.5000" << true;
    QTest::newRow("refused letter leaves the text") << Pattern::Rate << 18.0 << QStringList{"Home", "Insert", "x5"}
                                                    << " 58.0000" << true;
    QTest::newRow("Insert again pushes along") << Pattern::Rate << 18.0
                                               << QStringList{"Home", "Right", "Right", "Insert", "Insert", "5"}
                                               << " 158.0000" << false;
}

void PictureFieldTest::overwriteMode()
{
    QFETCH(Pattern, pattern);
    QFETCH(double, value);
    QFETCH(QStringList, keys);
    QFETCH(QString, text);
    QFETCH(bool, overwriting);

    FieldWindow window;
    PictureField* field = window.add(pattern);
    field->setValue(value);
    QVERIFY(window.showActive());
    field->setFocus();

    press(field, keys);

    QCOMPARE(field->text(), text);
    QCOMPARE(field->isOverwriteMode(), overwriting);
}

void PictureFieldTest::overwriteCaretIsABlockOverTheNextCharacter()
{
    FieldWindow window;
    PictureField* field = window.add(Pattern::Rate);
    PictureField* twin = window.add(Pattern::Rate); // the same text, never focused
    // Digits are all of one width: only the first one's cell differs.
    PictureField* eightyEight = window.add(Pattern::Rate);
    field->setValue(18.0);
    twin->setValue(18.0);
    QVERIFY(window.showActive());
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Home);
    QTest::keyClick(field, Qt::Key_Right); // before the "1"
    const QImage plain = twin->grab().toImage();
    eightyEight->setValue(88.0);
    const QList<int> digitOne = differingColumns(plain, eightyEight->grab().toImage());
    QVERIFY(isContiguous(digitOne));

    // Insert mode: a line at most.
    QVERIFY(differingColumns(field->grab().toImage(), plain).size() <= 2);

    QTest::keyClick(field, Qt::Key_Insert);
    const QList<int> block = differingColumns(field->grab().toImage(), plain);
    QVERIFY2(isContiguous(block), qPrintable(QString::number(block.size())));
    const int width = field->fontMetrics().horizontalAdvance(QLatin1Char('1'));
    QVERIFY2(qAbs(block.size() - width) <= 1, qPrintable(QStringLiteral("%1 %2").arg(block.size()).arg(width)));
    QVERIFY(block.first() <= digitOne.first() && digitOne.last() <= block.last());

    // Where there is nothing to replace, the caret is a line again.
    QTest::keyClick(field, Qt::Key_End);
    QVERIFY(differingColumns(field->grab().toImage(), plain).size() <= 2);
}

void PictureFieldTest::resultFieldIsReadOnlyYellowAndNeverFocused()
{
    FieldWindow window;
    PictureField* entry = window.add(Pattern::Cash);
    PictureField* result = window.add(Pattern::Cash);
    PictureField* nextEntry = window.add(Pattern::Cash);
    result->makeResultField();
    result->setValue(-3266.68);

    QVERIFY(result->isReadOnly());
    QCOMPARE(result->focusPolicy(), Qt::NoFocus);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        QCOMPARE(result->palette().color(group, QPalette::Base), QColor(Qt::yellow));
        QCOMPARE(result->palette().color(group, QPalette::Text), QColor(Qt::black));
    }
    // Disabled, it looks like any disabled field.
    QCOMPARE(result->palette().color(QPalette::Disabled, QPalette::Text),
             entry->palette().color(QPalette::Disabled, QPalette::Text));
    QCOMPARE(result->palette().color(QPalette::Disabled, QPalette::Base),
             entry->palette().color(QPalette::Disabled, QPalette::Base));
    QCOMPARE(result->text(), QStringLiteral("   -$3,266.68"));
    QCOMPARE(result->value(), -3266.68);

    QVERIFY(window.showActive());
    entry->setFocus();
    QTest::keyClick(entry, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), nextEntry);
    QTest::mouseClick(result, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), nextEntry);
    QTest::keyClicks(result, QStringLiteral("5"));
    QTest::keyClick(result, Qt::Key_Period, Qt::KeypadModifier);
    QCOMPARE(result->text(), QStringLiteral("   -$3,266.68"));
}

void PictureFieldTest::largeValuesAreShownWhole_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits");

    QTest::newRow("largest in the picture") << -9999999.99 << "-$9,999,999.99" << true;
    QTest::newRow("nine integer digits") << 123456789.0 << "$123,456,789.00" << true;
    QTest::newRow("largest result the calculator can reach") << 263111111111111111.0 << "$2.631111111E17"
                                                             << true;
    QTest::newRow("ten integer digits") << 1234567890.0 << "$1,234,567,890.00" << false;
    QTest::newRow("ten integer digits, negative") << -9999999999.99 << "-$9,999,999,999.99" << false;
    QTest::newRow("scientific, negative") << -263111111111111111.0 << "-$2.631111111E17" << false;
    QTest::newRow("largest double") << -1.7976931348623157e308 << "-$1.797693135E308" << false;
}

void PictureFieldTest::largeValuesAreShownWhole()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QFETCH(bool, fits);

    FieldWindow window;
    PictureField* result = window.add(Pattern::Cash);
    result->makeResultField();
    result->setValue(value);
    QVERIFY(window.showActive());
    QCOMPARE(result->text(), text);

    // Drawn whole: no character is cut at either edge of the text area, and
    // the text spans most of the field.
    const QList<int> ink = inkColumns(result->grab().toImage());
    QVERIFY(!ink.isEmpty());
    const int frame = result->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, result);
    QVERIFY2(ink.first() > frame + 1, qPrintable(QString::number(ink.first())));
    QVERIFY2(ink.last() < result->width() - frame - 2, qPrintable(QString::number(ink.last())));
    QVERIFY(ink.last() - ink.first() > result->width() * 3 / 5);

    // A text that does not fit also shows at full size in its tool tip.
    QHelpEvent hint(QEvent::ToolTip, QPoint(5, 5), result->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(result, &hint);
    if (fits) {
        QTRY_VERIFY(!QToolTip::isVisible());
    } else {
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), text);
        QToolTip::hideText();
    }
}

void PictureFieldTest::toolTipDelayIsTheProgramsOwn()
{
    AppFrame::instance().setHintDelay(300);
    const PictureField field(common::kCashPicture);
    QCOMPARE(field.style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, &field), 300);
}

QTEST_MAIN(PictureFieldTest)
#include "tst_picture_field.moc"
