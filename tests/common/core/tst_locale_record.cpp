#include "date_time_text.h"
#include "locale_record.h"

#include <QTest>

using namespace common;

class LocaleRecordTest : public QObject {
    Q_OBJECT

private slots:
    void readsRegionalSettings_data();
    void readsRegionalSettings();
    void followsTheEnvironment_data();
    void followsTheEnvironment();
    void writesDateAndTime();
};

void LocaleRecordTest::readsRegionalSettings_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("thousands");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("positive");
    QTest::addColumn<QString>("negative");

    QTest::newRow("United States") << "en_US" << "." << "," << "$" << QString::fromUtf8("¤#")
                                   << QString::fromUtf8("(¤#)");
    QTest::newRow("Germany") << "de_DE" << "," << "." << QString::fromUtf8("€")
                             << QString::fromUtf8("#\u00A0¤") << QString::fromUtf8("-#\u00A0¤");
    QTest::newRow("Netherlands, symbol first") << "nl_NL" << "," << "." << QString::fromUtf8("€")
                                               << QString::fromUtf8("¤\u00A0#") << QString::fromUtf8("(¤\u00A0#)");
}

void LocaleRecordTest::readsRegionalSettings()
{
    QFETCH(QString, name);
    const LocaleRecord record = localeRecordFor(name.toLatin1().constData());
    QCOMPARE(record.name, name);
    QTEST(record.decimalSeparator, "decimal");
    QTEST(record.thousandsSeparator, "thousands");
    QTEST(record.currencySymbol, "symbol");
    QTEST(record.positiveCurrencyPattern, "positive");
    QTEST(record.negativeCurrencyPattern, "negative");
}

void LocaleRecordTest::followsTheEnvironment_data()
{
    QTest::addColumn<QByteArray>("lcAll");
    QTest::addColumn<QByteArray>("lcMonetary");
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<QString>("expected");

    QTest::newRow("LC_ALL wins") << QByteArray("de_DE.UTF-8") << QByteArray("fr_FR.UTF-8")
                                 << QByteArray("en_GB.UTF-8") << "de_DE";
    QTest::newRow("LC_MONETARY before LANG") << QByteArray() << QByteArray("fr_FR.UTF-8@euro")
                                             << QByteArray("en_GB.UTF-8") << "fr_FR";
    QTest::newRow("LANG") << QByteArray() << QByteArray() << QByteArray("de_DE.UTF-8") << "de_DE";
    QTest::newRow("C means United States") << QByteArray("C.UTF-8") << QByteArray() << QByteArray() << "en_US";
    QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << "en_US";
}

void LocaleRecordTest::followsTheEnvironment()
{
    QFETCH(QByteArray, lcAll);
    QFETCH(QByteArray, lcMonetary);
    QFETCH(QByteArray, lang);
    qputenv("LC_ALL", lcAll);
    qputenv("LC_MONETARY", lcMonetary);
    qunsetenv("LC_NUMERIC");
    qputenv("LANG", lang);
    QTEST(systemLocaleRecord().name, "expected");
}

void LocaleRecordTest::writesDateAndTime()
{
    const QDateTime moment(QDate(2026, 12, 11), QTime(14, 5, 9));
    QCOMPARE(shortDateLongTimeText(moment, localeRecordFor("de_DE")), "11.12.26 14:05:09");
    QCOMPARE(shortDateLongTimeText(moment, localeRecordFor("nl_NL")), "11-12-2026 14:05:09");
    // ICU puts a narrow no-break space before the day period.
    QCOMPARE(shortDateLongTimeText(moment, localeRecordFor("en_US")),
             QString::fromUtf8("12/11/26 2:05:09\u202FPM"));
}

QTEST_APPLESS_MAIN(LocaleRecordTest)
#include "tst_locale_record.moc"
