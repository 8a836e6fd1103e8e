#include "about_box.h"
#include "link_label.h"
#include "url_opener.h"
#include "window_placement.h"

#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>

using fernwick::TAboutBox;

namespace {

using Keys = QList<QKeyCombination>;

// Stands in for the desktop: records what would be opened.
class RecordingOpener final : public common::UrlOpener {
public:
    bool open(const QUrl& url) override
    {
        opened << url;
        return true;
    }
    void beep() override { ++beeps; }

    QList<QUrl> opened;
    int beeps = 0;
};

const QUrl kHomePage(QStringLiteral("https://www.quintmoor.example/"));
const QString kCaption = QStringLiteral("About ...");
const QStringList kTexts = {QStringLiteral("1.0.00"), QStringLiteral("February 8, 2000"),
                            QStringLiteral("Copyright \u00a9 2000 Quintmoor Software, LLC"),
                            QStringLiteral("All rights reserved.")};

template <class T = QWidget>
T* control(QWidget& box, const char* name)
{
    T* found = box.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// The darkest pixel of `area`: the colour a text there is drawn in.
QColor inkIn(const QImage& image, const QRect& area)
{
    QColor darkest = Qt::white;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (const QColor pixel = image.pixelColor(x, y); pixel.lightness() < darkest.lightness())
                darkest = pixel;
    return darkest;
}

bool near(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) <= 24 && qAbs(a.green() - b.green()) <= 24 && qAbs(a.blue() - b.blue()) <= 24;
}

QString text(QWidget& box, const char* name)
{
    return control<QLabel>(box, name)->text();
}

QStringList versionTexts(QWidget& box)
{
    QStringList texts;
    for (const char* name : {"lblVersion", "lblDate", "lblCopyright", "Label5"})
        texts << text(box, name);
    return texts;
}

// What a test saw of the about box while ShowAbout held it open.
struct Session {
    QPointer<TAboutBox> box;
    bool modal = false;
    QPoint position;
    QPoint centredOnScreen;
    QString caption;
    QStringList texts;
    bool closedByOk = false;
};

// Runs ShowAbout over `mainWindow`; `drive` works the open box, then OK is
// clicked. Whatever happens, every about box is closed from the event loop,
// so the run never waits on a window nobody closes.
Session runShowAbout(QWidget& mainWindow, const std::function<void(TAboutBox&)>& drive = {})
{
    Session session;
    const QObject scope; // a timer still pending on return must never fire
    QTimer::singleShot(0, &scope, [&] {
        session.box = qobject_cast<TAboutBox*>(QApplication::activeModalWidget());
        if (session.box) {
            TAboutBox& box = *session.box;
            session.modal = box.isModal();
            session.position = box.frameGeometry().topLeft();
            const QRect screen = box.screen()->geometry();
            session.centredOnScreen =
                screen.topLeft() + common::centredOnScreen(screen.size(), box.frameGeometry().size());
            session.caption = box.windowTitle();
            session.texts = versionTexts(box);
            if (drive)
                drive(box);
            QTest::mouseClick(control<QPushButton>(box, "btnClose"), Qt::LeftButton);
            session.closedByOk = !box.isVisible();
        }
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<TAboutBox*>(window); box && box->isVisible())
                box->close();
    });
    fernwick::ShowAbout(&mainWindow);
    return session;
}

} // namespace

class FernwickAboutTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void window();
    void controls_data();
    void controls();
    void everyTextFitsItsLabel();
    void renderedColours();
    void textsAreSetWhenTheBoxIsCreated();
    void pictureCaptionsAndHints();
    void keyboard_data();
    void keyboard();
    void linkOpensTheHomePageOnAClickAndTheBoxStaysOpen();
    void showAboutTwiceFromAMovedMainWindow();

private:
    RecordingOpener desktop;
};

void FernwickAboutTest::init()
{
    desktop = {};
    common::setUrlOpener(&desktop);
}

void FernwickAboutTest::cleanup()
{
    common::setUrlOpener(nullptr);
}

void FernwickAboutTest::window()
{
    TAboutBox box;

    QCOMPARE(box.windowTitle(), kCaption);
    QCOMPARE(box.size(), QSize(363, 197));
    QCOMPARE(box.minimumSize(), box.maximumSize());
    const Qt::WindowFlags flags = box.windowFlags();
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(!(flags & Qt::WindowCloseButtonHint));
    QVERIFY(!(flags & Qt::WindowSystemMenuHint));
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(box.font().family(), QStringLiteral("Arial"));
    QCOMPARE(box.font().pixelSize(), 11);
}

void FernwickAboutTest::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect"); // in the parent; no size: sized to its text

    const auto row = [](const char* name, const QRect& rect) { QTest::newRow(name) << QString::fromLatin1(name) << rect; };
    row("Panel1", {4, 5, 356, 164});
    row("Label13", {15, 14, 270, 19});
    row("Label2", {15, 41, 0, 0});
    row("lblVersion", {60, 41, 0, 0});
    row("Label6", {15, 59, 0, 0});
    row("lblDate", {86, 59, 0, 0});
    row("lblCopyright", {15, 77, 213, 14});
    row("Label5", {15, 95, 150, 14});
    row("Label1", {15, 121, 200, 14});
    row("OvcURL1", {56, 134, 119, 14});
    row("Image2", {204, 7, 144, 155});
    row("btnClose", {136, 171, 91, 25});
}

void FernwickAboutTest::controls()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);

    TAboutBox box;
    auto* widget = box.findChild<QWidget*>(name);
    QVERIFY(widget);

    if (rect.isEmpty()) {
        QCOMPARE(widget->pos(), rect.topLeft());
        auto* label = qobject_cast<QLabel*>(widget);
        QVERIFY(!label->text().isEmpty());
        QCOMPARE(widget->size(), label->sizeHint());
    } else {
        QCOMPARE(widget->geometry(), rect);
    }
    // Everything but the panel and the button stands on the white panel.
    const bool onPanel = name != QLatin1String("Panel1") && name != QLatin1String("btnClose");
    QCOMPARE(widget->parentWidget()->objectName(), onPanel ? QStringLiteral("Panel1") : box.objectName());
}

void FernwickAboutTest::everyTextFitsItsLabel()
{
    TAboutBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));

    auto* panel = control<QFrame>(box, "Panel1");
    QCOMPARE(panel->palette().color(QPalette::Window), QColor(Qt::white));
    const QList<QLabel*> labels = panel->findChildren<QLabel*>();
    QCOMPARE(labels.size(), 10);
    const qsizetype picture = panel->children().indexOf(control(box, "Image2"));
    for (QLabel* label : labels) {
        const QString name = label->objectName();
        QVERIFY2(panel->rect().contains(label->geometry()), qPrintable(name));
        if (label->text().isEmpty())
            continue; // the picture
        const QRect inside = label->contentsRect();
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= inside.width(), qPrintable(name));
        QVERIFY2(label->fontMetrics().height() <= inside.height(), qPrintable(name));
        // The end of the longest line reaches the picture: it is drawn over it.
        QVERIFY2(panel->children().indexOf(label) > picture, qPrintable(name));
    }
}

void FernwickAboutTest::renderedColours()
{
    TAboutBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QImage image = box.grab().toImage();

    const QColor black(Qt::black), blue(Qt::blue);
    const std::pair<const char*, QColor> inks[] = {
        {"Label13", black}, {"Label2", black},       {"lblVersion", black}, {"Label6", black}, {"lblDate", black},
        {"lblCopyright", black}, {"Label5", black}, {"Label1", black},     {"OvcURL1", blue},
    };
    for (const auto& [name, ink] : inks) {
        QWidget* label = control(box, name);
        const QColor drawn = inkIn(image, QRect(label->mapTo(&box, QPoint(0, 0)), label->size()));
        QVERIFY2(near(drawn, ink), qPrintable(QStringLiteral("%1 drawn in %2").arg(name, drawn.name())));
    }
    QCOMPARE(image.pixelColor(control(box, "Panel1")->mapTo(&box, QPoint(180, 45))), QColor(Qt::white));
    QCOMPARE(image.pixelColor(2, 185), box.palette().color(QPalette::Button));
}

void FernwickAboutTest::textsAreSetWhenTheBoxIsCreated()
{
    TAboutBox box;
    QCOMPARE(versionTexts(box), kTexts);

    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.windowTitle(), kCaption);
    QCOMPARE(versionTexts(box), kTexts);
}

void FernwickAboutTest::pictureCaptionsAndHints()
{
    TAboutBox box;

    const QPixmap picture = control<QLabel>(box, "Image2")->pixmap();
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(144, 155));

    auto* name = control<QLabel>(box, "Label13");
    QCOMPARE(name->text(), QStringLiteral("Fernwick"));
    QCOMPARE(name->font().family(), QStringLiteral("Arial"));
    QCOMPARE(name->font().pixelSize(), 16);
    QVERIFY(name->font().bold());
    QCOMPARE(text(box, "Label2"), QStringLiteral("Version:"));
    QCOMPARE(text(box, "Label6"), QStringLiteral("Compile Date:"));
    QCOMPARE(text(box, "Label1"), QStringLiteral("Visit Quintmoor Software's website at:"));
    QVERIFY(control<QLabel>(box, "Label1")->alignment() & Qt::AlignRight);

    auto* link = control<common::LinkLabel>(box, "OvcURL1");
    QCOMPARE(link->text(), QStringLiteral("www.quintmoor.example"));
    QCOMPARE(link->statusTip(), QStringLiteral(" Click to visit Quintmoor Software's website ..."));

    auto* ok = control<QPushButton>(box, "btnClose");
    QCOMPARE(ok->text(), QStringLiteral("&OK"));
    QVERIFY(!ok->icon().isNull());
    QCOMPARE(ok->statusTip(), QStringLiteral(" Close About ..."));
    QCOMPARE(ok->accessibleName(), QStringLiteral("OK"));
}

void FernwickAboutTest::keyboard_data()
{
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("opened");

    QTest::newRow("Enter chooses OK") << Keys{Qt::Key_Return} << true << 0;
    QTest::newRow("Escape closes") << Keys{Qt::Key_Escape} << true << 0;
    QTest::newRow("Alt+O chooses OK") << Keys{Qt::ALT | Qt::Key_O} << true << 0;
    QTest::newRow("Tab to the link, Enter opens it") << Keys{Qt::Key_Tab, Qt::Key_Return} << false << 1;
    QTest::newRow("Tab to the link, Space opens it") << Keys{Qt::Key_Tab, Qt::Key_Space} << false << 1;
    QTest::newRow("Tab twice returns to OK") << Keys{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space} << true << 0;
}

void FernwickAboutTest::keyboard()
{
    QFETCH(Keys, keys);
    QFETCH(bool, closed);
    QFETCH(int, opened);

    TAboutBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QCOMPARE(QApplication::focusWidget(), control(box, "btnClose"));

    // Through the window, as the keyboard reaches it: mnemonics included.
    for (QKeyCombination key : keys)
        QTest::keyClick(box.windowHandle(), key.key(), key.keyboardModifiers());

    // A mnemonic clicks its button a moment later, as a user sees it pressed.
    QTRY_COMPARE(!box.isVisible(), closed);
    QCOMPARE(desktop.opened, QList<QUrl>(opened, kHomePage));
}

void FernwickAboutTest::linkOpensTheHomePageOnAClickAndTheBoxStaysOpen()
{
    QWidget mainWindow;
    mainWindow.resize(567, 485);
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));

    bool openedOnPress = true;
    bool openAfterClick = false;
    const Session session = runShowAbout(mainWindow, [&](TAboutBox& box) {
        auto* link = control(box, "OvcURL1");
        QTest::mousePress(link, Qt::LeftButton, {}, link->rect().center());
        openedOnPress = !desktop.opened.isEmpty();
        QTest::mouseRelease(link, Qt::LeftButton, {}, link->rect().center());
        openAfterClick = box.isVisible() && QApplication::activeModalWidget() == &box;
    });

    QVERIFY(session.modal);
    QVERIFY(!openedOnPress);
    QVERIFY(openAfterClick);
    QCOMPARE(desktop.opened, QList<QUrl>{kHomePage});
    QCOMPARE(desktop.beeps, 0);
    QVERIFY(session.closedByOk);
}

void FernwickAboutTest::showAboutTwiceFromAMovedMainWindow()
{
    QWidget mainWindow;
    mainWindow.setGeometry(20, 30, 567, 485);
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));

    const Session first = runShowAbout(mainWindow);
    QVERIFY(first.box.isNull());
    mainWindow.move(180, 90);
    QTRY_COMPARE(mainWindow.pos(), QPoint(180, 90));
    const Session second = runShowAbout(mainWindow);

    for (const Session& session : {first, second}) {
        QVERIFY(session.modal);
        QCOMPARE(session.caption, kCaption);
        QCOMPARE(session.texts, kTexts);
        QCOMPARE(session.position, session.centredOnScreen);
        QVERIFY(session.closedByOk);
        // A new box for every opening, destroyed once it has closed.
        QVERIFY(session.box.isNull());
    }
    QVERIFY(mainWindow.isVisible());
}

QTEST_MAIN(FernwickAboutTest)
#include "tst_fernwick_about.moc"
