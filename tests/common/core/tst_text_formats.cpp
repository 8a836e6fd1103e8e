#include "faults.h"
#include "locale_record.h"
#include "test_support.h"
#include "text_formats.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace common;

namespace {
const LocaleRecord& us() { return testsupport::usLocale(); }
const LocaleRecord& german() { return testsupport::germanLocale(); }
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
} // namespace

class TextFormatsTest : public QObject {
    Q_OBJECT

private slots:
    void currencyText_data();
    void currencyText();
    void numericFieldText_data();
    void numericFieldText();
    void generalNumberText_data();
    void generalNumberText();
    void groupedNumberText_data();
    void groupedNumberText();
    void parsesNumbers_data();
    void parsesNumbers();
    void rejectsTextsThatAreNotNumbers_data();
    void rejectsTextsThatAreNotNumbers();
    void numbersBeyondDoubleRangeAreArithmeticFaults_data();
    void numbersBeyondDoubleRangeAreArithmeticFaults();
    void generalTextReadsBackUnderTheSameLocale();
};

void TextFormatsTest::currencyText_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<bool>("germanLocale");
    QTest::addColumn<QString>("expected");

    QTest::newRow("grouped") << 1234.5 << false << "$1,234.50";
    QTest::newRow("negative pattern") << -1234.5 << false << "($1,234.50)";
    QTest::newRow("zero") << 0.0 << false << "$0.00";
    QTest::newRow("negative zero") << -0.0 << false << "$0.00";
    QTest::newRow("negative rounding to zero") << -0.004 << false << "$0.00";
    QTest::newRow("exact half rounds away") << 0.125 << false << "$0.13";
    QTest::newRow("negative exact half") << -0.125 << false << "($0.13)";
    QTest::newRow("2.675 is stored below the half") << 2.675 << false << "$2.67";
    QTest::newRow("1.005 is stored below the half") << 1.005 << false << "$1.00";
    QTest::newRow("0.005 is stored above the half") << 0.005 << false << "$0.01";
    QTest::newRow("thirty-second price") << 10.03125 << false << "$10.03";
    QTest::newRow("nine integer digits keep one decimal") << 123456789.125 << false << "$123,456,789.10";
    QTest::newRow("ten integer digits keep none") << 1234567890.12 << false << "$1,234,567,890.00";
    QTest::newRow("rounds up to ten digits") << 999999999.96 << false << "$1,000,000,000.00";
    QTest::newRow("eleven integer digits: general") << 12345678901.23 << false << "1.23456789E10";
    QTest::newRow("negative general") << -12345678901.23 << false << "-1.23456789E10";
    QTest::newRow("rounds up to 1E10: general") << 9999999999.6 << false << "1E10";
    QTest::newRow("huge") << 1.7e308 << false << "1.7E308";
    QTest::newRow("tiny") << 5e-324 << false << "$0.00";
    QTest::newRow("not a number") << kNaN << false << "NAN";
    QTest::newRow("infinity") << -kInf << false << "-INF";
    QTest::newRow("German") << 1234.5 << true << QString::fromUtf8("1.234,50\u00A0€");
    QTest::newRow("German negative") << -1234.5 << true << QString::fromUtf8("-1.234,50\u00A0€");
    QTest::newRow("German general") << 12345678901.23 << true << "1,23456789E10";
}

void TextFormatsTest::currencyText()
{
    QFETCH(double, amount);
    QFETCH(bool, germanLocale);
    QFETCH(QString, expected);
    QCOMPARE(common::currencyText(amount, germanLocale ? german() : us()), expected);
}

void TextFormatsTest::numericFieldText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("germanLocale");
    QTest::addColumn<QString>("expected");

    QTest::newRow("two decimals") << 1009.95 << 2 << false << "1009.95";
    QTest::newRow("zero") << 0.0 << 2 << false << "0.00";
    QTest::newRow("five decimals") << 0.25 << 5 << false << "0.25000";
    QTest::newRow("no decimals") << 42.0 << 0 << false << "42";
    QTest::newRow("half rounds away from zero") << 2.5 << 0 << false << "3";
    QTest::newRow("negative half rounds away from zero") << -2.5 << 0 << false << "-3";
    QTest::newRow("stored below the half") << 2.675 << 2 << false << "2.67";
    QTest::newRow("exact half") << 0.125 << 2 << false << "0.13";
    QTest::newRow("negative rounding to zero") << -0.001 << 2 << false << "0.00";
    QTest::newRow("nine decimals, exact digits") << 1234567.123456789 << 9 << false << "1234567.123456789";
    QTest::newRow("carry through nines") << 9.9999999996 << 9 << false << "10.000000000";
    QTest::newRow("no grouping for large values") << 1e20 << 2 << false << "100000000000000000000.00";
    QTest::newRow("comma locale") << 1009.95 << 2 << true << "1009,95";
}

void TextFormatsTest::numericFieldText()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(bool, germanLocale);
    QFETCH(QString, expected);
    QCOMPARE(common::numericFieldText(value, decimals, germanLocale ? german() : us()), expected);
}

void TextFormatsTest::generalNumberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("expected");

    QTest::newRow("whole number") << 1500.0 << 15 << "1500";
    QTest::newRow("no trailing zeros") << 12.5 << 15 << "12.5";
    QTest::newRow("zero") << 0.0 << 15 << "0";
    QTest::newRow("negative") << -7.25 << 15 << "-7.25";
    QTest::newRow("fifteen digits of a third") << 1.0 / 3 << 15 << "0.333333333333333";
    QTest::newRow("0.1 is shortest") << 0.1 << 15 << "0.1";
    QTest::newRow("fifteen integer digits stay fixed") << 123456789012345.0 << 15 << "123456789012345";
    QTest::newRow("sixteen integer digits go scientific") << 1e15 << 15 << "1E15";
    QTest::newRow("smallest fixed") << 0.00001 << 15 << "0.00001";
    QTest::newRow("below it scientific") << 0.000001 << 15 << "1E-6";
    QTest::newRow("precision 10") << 12345678901.23 << 10 << "1.23456789E10";
    QTest::newRow("subnormal") << 5e-324 << 15 << "4.94065645841247E-324";
    QTest::newRow("largest double") << 1.7976931348623157e308 << 15 << "1.79769313486232E308";
}

void TextFormatsTest::generalNumberText()
{
    QFETCH(double, value);
    QFETCH(int, precision);
    QFETCH(QString, expected);
    QCOMPARE(common::generalNumberText(value, us(), precision), expected);
}

void TextFormatsTest::groupedNumberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("germanLocale");
    QTest::addColumn<QString>("expected");

    QTest::newRow("rate") << 7.25 << false << "7.250";
    QTest::newRow("whole rate") << 18.0 << false << "18.000";
    QTest::newRow("rounds into grouping") << 999.9999 << false << "1,000.000";
    QTest::newRow("negative") << -1234.5 << false << "-1,234.500";
    QTest::newRow("ten significant digits first") << 12345678.9876 << false << "12,345,678.990";
    QTest::newRow("comma locale") << 999.9999 << true << "1.000,000";
}

void TextFormatsTest::groupedNumberText()
{
    QFETCH(double, value);
    QFETCH(bool, germanLocale);
    QFETCH(QString, expected);
    QCOMPARE(common::groupedNumberText(value, 3, germanLocale ? german() : us()), expected);
}

void TextFormatsTest::parsesNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("germanLocale");
    QTest::addColumn<double>("expected");

    QTest::newRow("plain") << "12.5" << false << 12.5;
    QTest::newRow("blanks around") << "  18.5 " << false << 18.5;
    QTest::newRow("minus") << "-3" << false << -3.0;
    QTest::newRow("plus") << "+4" << false << 4.0;
    QTest::newRow("exponent") << "1e3" << false << 1000.0;
    QTest::newRow("signed exponent") << "1.5E-2" << false << 0.015;
    QTest::newRow("leading separator") << ".5" << false << 0.5;
    QTest::newRow("trailing separator") << "5." << false << 5.0;
    QTest::newRow("too small reads zero") << "1e-400" << false << 0.0;
    QTest::newRow("comma locale") << "18,5" << true << 18.5;
    QTest::newRow("field text") << "1009.95" << false << 1009.95;
}

void TextFormatsTest::parsesNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, germanLocale);
    QFETCH(double, expected);
    QCOMPARE(parseNumberText(text, germanLocale ? german() : us()), expected);
}

void TextFormatsTest::rejectsTextsThatAreNotNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("germanLocale");

    QTest::newRow("empty") << "" << false;
    QTest::newRow("blank") << "   " << false;
    QTest::newRow("letters") << "abc" << false;
    QTest::newRow("comma under a point locale") << "18,5" << false;
    QTest::newRow("point under a comma locale") << "18.5" << true;
    QTest::newRow("grouping") << "1,000" << false;
    QTest::newRow("two separators") << "1.2.3" << false;
    QTest::newRow("bare exponent") << "1e" << false;
    QTest::newRow("exponent without mantissa") << "e5" << false;
    QTest::newRow("sign only") << "+" << false;
    QTest::newRow("two signs") << "--1" << false;
    QTest::newRow("inner blank") << "1 000" << false;
    QTest::newRow("trailing text") << "12a" << false;
    QTest::newRow("infinity word") << "inf" << false;
    QTest::newRow("non-ASCII digits") << QString::fromUtf8("١٢") << false;
}

void TextFormatsTest::rejectsTextsThatAreNotNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, germanLocale);
    QVERIFY_THROWS_EXCEPTION(ConversionError, parseNumberText(text, germanLocale ? german() : us()));
}

void TextFormatsTest::numbersBeyondDoubleRangeAreArithmeticFaults_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("400 digits") << QString(400, QLatin1Char('9'));
    QTest::newRow("large exponent") << "1e400";
    QTest::newRow("negative") << "-2e308";
    QTest::newRow("digits and exponent") << "0.000123e313";
}

void TextFormatsTest::numbersBeyondDoubleRangeAreArithmeticFaults()
{
    QFETCH(QString, text);
    QVERIFY_THROWS_EXCEPTION(ArithmeticFault, parseNumberText(text, us()));
}

void TextFormatsTest::generalTextReadsBackUnderTheSameLocale()
{
    for (const LocaleRecord* locale : {&us(), &german()}) {
        for (double value : {0.0, 1000.0, 18.5, 7.25, -0.001, 9999999.99, 123456.789012345}) {
            const QString text = common::generalNumberText(value, *locale);
            QCOMPARE(parseNumberText(text, *locale), value);
        }
    }
}

QTEST_APPLESS_MAIN(TextFormatsTest)
#include "tst_text_formats.moc"
