#include "url_opener.h"
#include "web_addresses.h"
#include "window_test_support.h"

#include <QTest>
#include <QUrl>

using common::Link;

namespace {

// Stands in for the desktop: records what would be opened and the beeps.
} // namespace

class UrlOpenerTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyLinkOpensItsAddress_data();
    void everyLinkOpensItsAddress();
    void addressTexts_data();
    void addressTexts();
    void desktopFailureBeepsOnce();

private:
    testsupport::AddressRecorder desktop;
};

void UrlOpenerTest::init()
{
    desktop = {};
    common::setUrlOpener(&desktop);
}

void UrlOpenerTest::cleanup()
{
    common::setUrlOpener(nullptr);
}

void UrlOpenerTest::everyLinkOpensItsAddress_data()
{
    QTest::addColumn<Link>("link");
    QTest::addColumn<QString>("opened");

    QTest::newRow("home page") << Link::Home << "https://www.quintmoor.example/";
    QTest::newRow("freeware page") << Link::Freeware << "https://www.quintmoor.example/freeware.htm";
    QTest::newRow("suggestion page") << Link::Suggest << "https://www.quintmoor.example/suggest.htm";
    QTest::newRow("support e-mail") << Link::EmailSupport << "mailto:support@quintmoor.example";
    QTest::newRow("suggestion e-mail") << Link::EmailSuggest << "mailto:suggestions@quintmoor.example";
    QTest::newRow("Oxbrindle") << Link::Oxbrindle << "https://www.quintmoor.example/Oxbrindle/Oxbrindle.htm";
    QTest::newRow("Pellavine") << Link::Pellavine << "https://www.quintmoor.example/Pellavine.htm";
    QTest::newRow("Marrowby, kept without a scheme") << Link::Marrowby
                                                     << "https://www.quintmoor.example/Marrowby.htm";
    QTest::newRow("Brackenly") << Link::Brackenly << "https://www.quintmoor.example/Brackenly/Brackenly.htm";
    QTest::newRow("Brackenly set-up, kept without a scheme")
        << Link::BrackenlySetup << "https://www.quintmoor.example/Brackenly/BrackenlySetup.exe";
}

void UrlOpenerTest::everyLinkOpensItsAddress()
{
    QFETCH(Link, link);
    QFETCH(QString, opened);

    common::openLink(link);

    QCOMPARE(desktop.opened.size(), 1);
    QCOMPARE(desktop.opened.first().toString(), opened);
    QVERIFY(!desktop.opened.first().isLocalFile());
    QCOMPARE(desktop.beeps, 0);
}

void UrlOpenerTest::addressTexts_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("opened"); // empty: refused with a beep

    const QString site = QStringLiteral("https://www.quintmoor.example/");
    // The longest accepted text, and one character more.
    const QString longest = site + QString(common::kMaxAddressLength - site.size(), QLatin1Char('a'));

    QTest::newRow("host and path is a web page") << "www.quintmoor.example/Marrowby.htm"
                                                 << "https://www.quintmoor.example/Marrowby.htm";
    QTest::newRow("a scheme is kept") << "http://www.quintmoor.example/a.htm" << "http://www.quintmoor.example/a.htm";
    QTest::newRow("mailto is kept") << "mailto:support@quintmoor.example" << "mailto:support@quintmoor.example";
    QTest::newRow("1023 characters") << longest << longest;
    QTest::newRow("1024 characters") << longest + QLatin1Char('a') << QString();
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("malformed host") << "https://www.quint moor.example/" << QString();
}

void UrlOpenerTest::addressTexts()
{
    QFETCH(QString, address);
    QFETCH(QString, opened);

    common::openAddress(address);

    if (opened.isEmpty()) {
        QVERIFY(desktop.opened.isEmpty());
        QCOMPARE(desktop.beeps, 1);
    } else {
        QCOMPARE(desktop.opened.size(), 1);
        QCOMPARE(desktop.opened.first().toString(), opened);
        QCOMPARE(desktop.beeps, 0);
    }
}

void UrlOpenerTest::desktopFailureBeepsOnce()
{
    desktop.desktopSucceeds = false;

    common::openLink(Link::EmailSupport);

    QCOMPARE(desktop.opened.size(), 1);
    QCOMPARE(desktop.beeps, 1);
}

QTEST_MAIN(UrlOpenerTest)
#include "tst_url_opener.moc"
