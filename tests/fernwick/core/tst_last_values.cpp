#include "faults.h"
#include "last_values.h"
#include "profile_file.h"
#include "test_support.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <memory>

using fernwick::LastValues;
using fernwick::readLastValues;
using fernwick::saveLastValues;

namespace {

using testsupport::readBytes;
using testsupport::writeBytes;

common::LocaleRecord localeNamed(const QByteArray& name)
{
    return common::localeRecordFor(name.constData());
}

void compareValues(const LastValues& actual, const LastValues& expected)
{
    QCOMPARE(actual.cash, expected.cash);
    QCOMPARE(actual.interest, expected.interest);
    QCOMPARE(actual.investmentReturn, expected.investmentReturn);
}

} // namespace

class TestLastValues : public QObject {
    Q_OBJECT

private slots:
    void init();

    void firstRunReadsZeros();
    void savedValuesReadBack_data();
    void savedValuesReadBack();
    void readsStoredTexts_data();
    void readsStoredTexts();
    void textThatIsNotANumberThrows_data();
    void textThatIsNotANumberThrows();
    void saveKeepsEverythingElse();
    void saveIntoMissingFolderThrows();
    void nonFiniteValueIsNotSaved();

private:
    QString iniPath() const { return m_dir->filePath(fernwick::kSettingsFileName.toString()); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestLastValues::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestLastValues::firstRunReadsZeros()
{
    compareValues(readLastValues(iniPath(), common::localeRecordFor("en_US")), LastValues{0, 0, 0});
    QVERIFY(!QFile::exists(iniPath()));
}

void TestLastValues::savedValuesReadBack_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<double>("cash");
    QTest::addColumn<double>("interest");
    QTest::addColumn<double>("investmentReturn");
    QTest::addColumn<QByteArray>("file");

    QTest::newRow("whole numbers") << QByteArray("en_US") << 1000.0 << 18.0 << 7.0
                                   << QByteArray("[LastValues]\nCash=1000\nInterest=18\nReturn=7\n");
    QTest::newRow("decimal point") << QByteArray("en_US") << 1234.56 << 18.5 << 7.25
                                   << QByteArray("[LastValues]\nCash=1234.56\nInterest=18.5\nReturn=7.25\n");
    QTest::newRow("decimal comma") << QByteArray("de_DE") << 1234.56 << 18.5 << 7.25
                                   << QByteArray("[LastValues]\nCash=1234,56\nInterest=18,5\nReturn=7,25\n");
    QTest::newRow("negative and scientific") << QByteArray("en_US") << 1e20 << -3.5 << 0.000001
                                             << QByteArray("[LastValues]\nCash=1E20\nInterest=-3.5\nReturn=1E-6\n");
}

void TestLastValues::savedValuesReadBack()
{
    QFETCH(QByteArray, locale);
    QFETCH(double, cash);
    QFETCH(double, interest);
    QFETCH(double, investmentReturn);
    QFETCH(QByteArray, file);
    const common::LocaleRecord record = localeNamed(locale);

    saveLastValues(iniPath(), {cash, interest, investmentReturn}, record);

    QCOMPARE(readBytes(iniPath()), file);
    compareValues(readLastValues(iniPath(), record), {cash, interest, investmentReturn});
}

void TestLastValues::readsStoredTexts_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<double>("cash");
    QTest::addColumn<double>("interest");
    QTest::addColumn<double>("investmentReturn");

    QTest::newRow("blanks, signs, exponent")
        << QByteArray("en_US") << QByteArray("[LastValues]\nCash=  1.5E3 \nInterest=+18\nReturn=-7.25\n") << 1500.0
        << 18.0 << -7.25;
    QTest::newRow("missing keys read 0")
        << QByteArray("en_US") << QByteArray("[LastValues]\nInterest=18\n") << 0.0 << 18.0 << 0.0;
    QTest::newRow("names in other case, keys in other order")
        << QByteArray("en_US") << QByteArray("[lastvalues]\nRETURN=7\ncash=1000\nInterest=18\n") << 1000.0 << 18.0
        << 7.0;
    QTest::newRow("decimal comma") << QByteArray("de_DE") << QByteArray("[LastValues]\nCash=1000\nInterest=18,5\n")
                                   << 1000.0 << 18.5 << 0.0;
}

void TestLastValues::readsStoredTexts()
{
    QFETCH(QByteArray, locale);
    QFETCH(QByteArray, file);
    QFETCH(double, cash);
    QFETCH(double, interest);
    QFETCH(double, investmentReturn);
    writeBytes(iniPath(), file);

    compareValues(readLastValues(iniPath(), localeNamed(locale)), {cash, interest, investmentReturn});
}

// Any bad value ends the reading: the caller gets the exception and no
// values at all, not even those read before the bad one.
void TestLastValues::textThatIsNotANumberThrows_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QByteArray>("file");

    QTest::newRow("comma under a point locale")
        << QByteArray("en_US") << QByteArray("[LastValues]\nCash=1000\nInterest=18,5\nReturn=7\n");
    QTest::newRow("point under a comma locale")
        << QByteArray("de_DE") << QByteArray("[LastValues]\nCash=1000\nInterest=18.5\nReturn=7\n");
    QTest::newRow("grouping separator") << QByteArray("en_US") << QByteArray("[LastValues]\nCash=1,000\n");
    QTest::newRow("text") << QByteArray("en_US") << QByteArray("[LastValues]\nCash=abc\n");
    QTest::newRow("empty value") << QByteArray("en_US") << QByteArray("[LastValues]\nCash=1000\nReturn=\n");
}

void TestLastValues::textThatIsNotANumberThrows()
{
    QFETCH(QByteArray, locale);
    QFETCH(QByteArray, file);
    writeBytes(iniPath(), file);

    QVERIFY_THROWS_EXCEPTION(common::ConversionError, readLastValues(iniPath(), localeNamed(locale)));
}

void TestLastValues::saveKeepsEverythingElse()
{
    writeBytes(iniPath(), "; Fernwick\r\n"
                          "[Window]\r\n"
                          "Left=10\r\n"
                          "[LastValues]\r\n"
                          "Cash=5\r\n"
                          "Note=keep me\r\n"
                          "Return=1\r\n"
                          "\r\n"
                          "[Other]\r\n"
                          "Interest=3\r\n");

    saveLastValues(iniPath(), {1000, 18, 7}, common::localeRecordFor("en_US"));

    QCOMPARE(readBytes(iniPath()), QByteArray("; Fernwick\r\n"
                                              "[Window]\r\n"
                                              "Left=10\r\n"
                                              "[LastValues]\r\n"
                                              "Cash=1000\r\n"
                                              "Note=keep me\r\n"
                                              "Return=7\r\n"
                                              "Interest=18\r\n"
                                              "\r\n"
                                              "[Other]\r\n"
                                              "Interest=3\r\n"));
}

// The settings file stands in a folder that is not there; this fails for
// every user, root included.
void TestLastValues::saveIntoMissingFolderThrows()
{
    const QString path = m_dir->filePath(QStringLiteral("missing/Fernwick.ini"));

    QVERIFY_THROWS_EXCEPTION(common::ProfileWriteError,
                             saveLastValues(path, {1000, 18, 7}, common::localeRecordFor("en_US")));
    QVERIFY(!QFile::exists(path));
}

// NaN or an infinity would be written as a text that the next start cannot
// read; the old values stay instead.
void TestLastValues::nonFiniteValueIsNotSaved()
{
    const QByteArray before = "[LastValues]\nCash=1000\nInterest=18\nReturn=7\n";
    writeBytes(iniPath(), before);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();

    const common::LocaleRecord locale = common::localeRecordFor("en_US");
    QVERIFY_THROWS_EXCEPTION(common::ArithmeticFault, saveLastValues(iniPath(), {1, 2, nan}, locale));
    QVERIFY_THROWS_EXCEPTION(common::ArithmeticFault, saveLastValues(iniPath(), {infinity, 2, 3}, locale));

    QCOMPARE(readBytes(iniPath()), before);
}

QTEST_APPLESS_MAIN(TestLastValues)
#include "tst_last_values.moc"
