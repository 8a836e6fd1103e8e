#include "faults.h"
#include "locale_record.h"
#include "picture_format.h"
#include "test_support.h"

#include <QTest>

using namespace common;

namespace {
const LocaleRecord& localeNamed(const QString& name)
{
    return name == QLatin1String("de_DE") ? testsupport::germanLocale() : testsupport::usLocale();
}
} // namespace

class PictureFormatTest : public QObject {
    Q_OBJECT

private slots:
    void readsThePatterns();
    void showsValues_data();
    void showsValues();
    void readsShownValues_data();
    void readsShownValues();
    void rejectsTextsThatAreNotNumbers();
};

void PictureFormatTest::readsThePatterns()
{
    const Picture cash = parsePicture(kCashPicture);
    QCOMPARE(cash.width, 13);
    QCOMPARE(cash.integerDigits, 7);
    QCOMPARE(cash.decimals, 2);
    QVERIFY(cash.grouped && cash.currency);

    const Picture rate = parsePicture(kRatePicture);
    QCOMPARE(rate.width, 8);
    QCOMPARE(rate.integerDigits, 3);
    QCOMPARE(rate.decimals, 4);
    QVERIFY(!rate.grouped && !rate.currency);
}

void PictureFormatTest::showsValues_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    const QString cash = kCashPicture.toString();
    const QString rate = kRatePicture.toString();
    QTest::newRow("cash") << cash << "en_US" << 1000.0 << "    $1,000.00";
    QTest::newRow("cash zero") << cash << "en_US" << 0.0 << "        $0.00";
    QTest::newRow("minus before the symbol") << cash << "en_US" << -3266.68 << "   -$3,266.68";
    QTest::newRow("negative rounding to zero") << cash << "en_US" << -0.004 << "        $0.00";
    QTest::newRow("largest that fits") << cash << "en_US" << 9999999.99 << "$9,999,999.99";
    QTest::newRow("cents round half away") << cash << "en_US" << 0.125 << "        $0.13";
    QTest::newRow("eight integer digits are not cut") << cash << "en_US" << 12345678.9 << "$12,345,678.90";
    QTest::newRow("rounding past the pattern") << cash << "en_US" << 9999999.996 << "$10,000,000.00";
    QTest::newRow("ten integer digits") << cash << "en_US" << 1234567890.12 << "$1,234,567,890.12";
    QTest::newRow("beyond ten digits: scientific") << cash << "en_US" << 2.5937424601e17 << "$2.59374246E17";
    QTest::newRow("negative scientific") << cash << "en_US" << -2.5937424601e17 << "-$2.59374246E17";
    QTest::newRow("comma locale cash") << cash << "de_DE" << 1000.0 << QString::fromUtf8("    €1.000,00");
    QTest::newRow("rate") << rate << "en_US" << 18.0 << " 18.0000";
    QTest::newRow("rate with decimals") << rate << "en_US" << 7.25 << "  7.2500";
    QTest::newRow("largest rate") << rate << "en_US" << 999.9999 << "999.9999";
    QTest::newRow("rate rounds to four decimals") << rate << "en_US" << 18.123456 << " 18.1235";
    QTest::newRow("rate too large for the pattern") << rate << "en_US" << 1000.0 << "1000.0000";
    QTest::newRow("comma locale rate") << rate << "de_DE" << 18.5 << " 18,5000";
}

void PictureFormatTest::showsValues()
{
    QFETCH(QString, pattern);
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(pictureText(value, parsePicture(pattern), localeNamed(locale)), expected);
}

void PictureFormatTest::readsShownValues_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    const QString cash = kCashPicture.toString();
    const QString rate = kRatePicture.toString();
    QTest::newRow("cash") << cash << "en_US" << "    $1,000.00" << 1000.0;
    QTest::newRow("negative cash") << cash << "en_US" << "   -$3,266.68" << -3266.68;
    QTest::newRow("empty field") << cash << "en_US" << "" << 0.0;
    QTest::newRow("blank field") << rate << "en_US" << "        " << 0.0;
    QTest::newRow("rate") << rate << "en_US" << " 18.5000" << 18.5;
    QTest::newRow("comma locale cash") << cash << "de_DE" << QString::fromUtf8("€1.000,50") << 1000.5;
    QTest::newRow("comma locale rate") << rate << "de_DE" << " 18,5000" << 18.5;
}

void PictureFormatTest::readsShownValues()
{
    QFETCH(QString, pattern);
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(pictureValue(text, parsePicture(pattern), localeNamed(locale)), expected);
}

void PictureFormatTest::rejectsTextsThatAreNotNumbers()
{
    const Picture rate = parsePicture(kRatePicture);
    QVERIFY_THROWS_EXCEPTION(ConversionError, pictureValue(u"abc", rate, localeNamed("en_US")));
    QVERIFY_THROWS_EXCEPTION(ConversionError, pictureValue(u"18,5", rate, localeNamed("en_US")));
}

QTEST_APPLESS_MAIN(PictureFormatTest)
#include "tst_picture_format.moc"
