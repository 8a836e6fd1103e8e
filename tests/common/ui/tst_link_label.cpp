#include "link_label.h"
#include "url_opener.h"
#include "window_test_support.h"

#include <QPushButton>
#include <QTest>
#include <QUrl>

using common::Link;
using common::LinkLabel;

Q_DECLARE_METATYPE(LinkLabel::OpensOn)

namespace {

// Stands in for the desktop: records what would be opened and the beeps.
const QString kHost = QStringLiteral("www.quintmoor.example");
const QUrl kHomePage(QStringLiteral("https://www.quintmoor.example/"));

// A shown window holding a button and, after it, the link.
struct LinkWindow {
    explicit LinkWindow(LinkLabel::OpensOn opensOn = LinkLabel::OpensOn::Click)
        : link(new LinkLabel(kHost, Link::Home, &window, opensOn))
    {
        button->setGeometry(10, 10, 80, 25);
        link->setGeometry(10, 60, 118, 14);
        window.resize(200, 100);
    }

    bool show()
    {
        window.show();
        return QTest::qWaitForWindowActive(&window);
    }

    QColor colour() const { return link->palette().color(QPalette::WindowText); }

    QWidget window;
    QPushButton* button = new QPushButton(QStringLiteral("Other"), &window);
    LinkLabel* link;
};

} // namespace

class LinkLabelTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void looksAndReadsLikeALink();
    void hoverColourWhileTheMouseIsOver_data();
    void hoverColourWhileTheMouseIsOver();
    void mouseOpensTheAddress_data();
    void mouseOpensTheAddress();
    void keyboardReachesAndOpensIt();
    void failingDesktopBeepsAndLeavesTheLinkAsItWas();

private:
    testsupport::AddressRecorder desktop;
};

void LinkLabelTest::init()
{
    desktop = {};
    common::setUrlOpener(&desktop);
}

void LinkLabelTest::cleanup()
{
    common::setUrlOpener(nullptr);
}

void LinkLabelTest::looksAndReadsLikeALink()
{
    LinkWindow shown;
    const QFont font = shown.link->font();

    QCOMPARE(font.family(), QStringLiteral("Arial"));
    QCOMPARE(font.pixelSize(), 11);
    QVERIFY(font.underline());
    QCOMPARE(shown.colour(), QColor(Qt::blue));
    QCOMPARE(shown.link->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(shown.link->accessibleName(), kHost);
}

void LinkLabelTest::hoverColourWhileTheMouseIsOver_data()
{
    QTest::addColumn<QColor>("hoverColour"); // invalid: left as it is
    QTest::addColumn<QColor>("shownWhileOver");

    QTest::newRow("red unless set") << QColor() << QColor(Qt::red);
    QTest::newRow("set to blue, so it stays blue") << QColor(Qt::blue) << QColor(Qt::blue);
}

void LinkLabelTest::hoverColourWhileTheMouseIsOver()
{
    QFETCH(QColor, hoverColour);
    QFETCH(QColor, shownWhileOver);

    LinkWindow shown;
    if (hoverColour.isValid())
        shown.link->setHoverColour(hoverColour);
    QVERIFY(shown.show());

    QTest::mouseMove(&shown.window, QPoint(150, 20));
    QTRY_VERIFY(!shown.link->underMouse());
    QCOMPARE(shown.colour(), QColor(Qt::blue));

    QTest::mouseMove(shown.link, shown.link->rect().center());
    QTRY_COMPARE(shown.colour(), shownWhileOver);

    QTest::mouseMove(&shown.window, QPoint(150, 20));
    QTRY_COMPARE(shown.colour(), QColor(Qt::blue));
    QVERIFY(desktop.opened.isEmpty());
}

void LinkLabelTest::mouseOpensTheAddress_data()
{
    QTest::addColumn<LinkLabel::OpensOn>("opensOn");
    QTest::addColumn<int>("openedByPress");

    QTest::newRow("on a click") << LinkLabel::OpensOn::Click << 0;
    QTest::newRow("on a press") << LinkLabel::OpensOn::Press << 1;
}

void LinkLabelTest::mouseOpensTheAddress()
{
    QFETCH(LinkLabel::OpensOn, opensOn);
    QFETCH(int, openedByPress);

    LinkWindow shown(opensOn);
    QVERIFY(shown.show());
    const QPoint inside = shown.link->rect().center();

    QTest::mousePress(shown.link, Qt::LeftButton, {}, inside);
    QCOMPARE(desktop.opened.size(), openedByPress);
    QTest::mouseRelease(shown.link, Qt::LeftButton, {}, inside);
    QCOMPARE(desktop.opened, QList<QUrl>{kHomePage});

    // A press dragged off the label before release: a click changes its
    // mind, a press has already opened.
    QTest::mousePress(shown.link, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(shown.link, Qt::LeftButton, {}, QPoint(inside.x(), -20));
    QCOMPARE(desktop.opened.size(), 1 + openedByPress);

    // A double click opens once, as a single click does: its second press
    // comes as a double-click event, then the button is released.
    QTest::mouseClick(shown.link, Qt::LeftButton, {}, inside);
    QTest::mouseDClick(shown.link, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(shown.link, Qt::LeftButton, {}, inside);
    QCOMPARE(desktop.opened.size(), 2 + openedByPress);

    // The right button is no way to open a link.
    QTest::mouseClick(shown.link, Qt::RightButton, {}, inside);
    QCOMPARE(desktop.opened.size(), 2 + openedByPress);

    // A click opens the address but never takes the focus away.
    QVERIFY(shown.button->hasFocus());
    QCOMPARE(desktop.beeps, 0);
}

void LinkLabelTest::keyboardReachesAndOpensIt()
{
    LinkWindow shown;
    QVERIFY(shown.show());
    QVERIFY(shown.button->hasFocus());

    QTest::keyClick(&shown.window, Qt::Key_Tab);
    QVERIFY(shown.link->hasFocus());

    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
        QTest::keyClick(shown.link, key);
    QCOMPARE(desktop.opened, QList<QUrl>(3, kHomePage));

    // Other keys do nothing.
    QTest::keyClick(shown.link, Qt::Key_A);
    QCOMPARE(desktop.opened.size(), 3);
}

void LinkLabelTest::failingDesktopBeepsAndLeavesTheLinkAsItWas()
{
    desktop.desktopSucceeds = false;
    LinkWindow shown;
    QVERIFY(shown.show());

    QTest::mouseClick(shown.link, Qt::LeftButton, {}, shown.link->rect().center());

    QCOMPARE(desktop.opened, QList<QUrl>{kHomePage});
    QCOMPARE(desktop.beeps, 1);
    QVERIFY(shown.link->isVisible());
    QCOMPARE(shown.link->text(), kHost);
    QVERIFY(shown.window.isActiveWindow());
}

QTEST_MAIN(LinkLabelTest)
#include "tst_link_label.moc"
