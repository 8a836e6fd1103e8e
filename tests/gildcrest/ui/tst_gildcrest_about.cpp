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

using gildcrest::TAboutBox;

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
const QString kCaption = QStringLiteral(" About Gildcrest, 1.0.03");

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

// What a test saw of the about box while ShowAbout held it open.
struct Session {
    QPointer<TAboutBox> box;
    bool modal = false;
    QPoint position;
    QPoint centredOnScreen;
    QString caption;
    QStringList texts; // version, compile date, notice, rights
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
            for (const char* name : {"lblVersion", "lblCompileDate", "lblCopyright", "lblRights"})
                session.texts << text(box, name);
            if (drive)
                drive(box);
            QTest::mouseClick(control<QPushButton>(box, "btnClose"), Qt::LeftButton);
            session.closedByOk = !box.isVisible();
        }
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<TAboutBox*>(window); box && box->isVisible())
                box->close();
    });
    gildcrest::ShowAbout(&mainWindow);
    return session;
}

} // namespace

class GildcrestAboutTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void window();
    void controls_data();
    void controls();
    void everyTextFitsItsLabel();
    void renderedColours();
    void textsAreSetOnEveryShowing();
    void pictureCaptionsAndHints();
    void keyboard_data();
    void keyboard();
    void linkOpensTheHomePageOnPressAndTheBoxStaysOpen();
    void showAboutTwiceFromAMovedMainWindow();

private:
    RecordingOpener desktop;
};

void GildcrestAboutTest::init()
{
    desktop = {};
    common::setUrlOpener(&desktop);
}

void GildcrestAboutTest::cleanup()
{
    common::setUrlOpener(nullptr);
}

void GildcrestAboutTest::window()
{
    TAboutBox box;

    QCOMPARE(box.size(), QSize(332, 324));
    QCOMPARE(box.minimumSize(), box.maximumSize());
    const Qt::WindowFlags flags = box.windowFlags();
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(!(flags & Qt::WindowCloseButtonHint));
    QVERIFY(!(flags & Qt::WindowSystemMenuHint));
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(box.font().family(), QStringLiteral("Arial"));
    QCOMPARE(box.font().pixelSize(), 11);
}

void GildcrestAboutTest::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect"); // in the parent; no size: sized to its text

    const auto row = [](const char* name, const QRect& rect) { QTest::newRow(name) << QString::fromLatin1(name) << rect; };
    row("Panel1", {5, 5, 323, 290});
    row("Image1", {11, 8, 300, 162});
    row("Label2", {22, 131, 0, 0});
    row("lblVersion", {72, 131, 0, 0});
    row("Label3", {22, 145, 0, 0});
    row("lblCompileDate", {94, 145, 0, 0});
    row("lblCopyright", {22, 159, 0, 0});
    row("lblRights", {22, 173, 0, 0});
    row("Label4", {33, 197, 256, 56});
    row("Label1", {25, 262, 145, 14});
    row("UrlLabel1", {180, 262, 119, 14});
    row("btnClose", {108, 298, 115, 25});
}

void GildcrestAboutTest::controls()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);

    TAboutBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
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

void GildcrestAboutTest::everyTextFitsItsLabel()
{
    TAboutBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));

    auto* panel = control<QFrame>(box, "Panel1");
    QCOMPARE(panel->palette().color(QPalette::Window), QColor(Qt::white));
    const QList<QLabel*> labels = panel->findChildren<QLabel*>();
    QCOMPARE(labels.size(), 10);
    const qsizetype picture = panel->children().indexOf(control(box, "Image1"));
    for (QLabel* label : labels) {
        const QString name = label->objectName();
        QVERIFY2(panel->rect().contains(label->geometry()), qPrintable(name));
        if (label->text().isEmpty())
            continue; // the picture
        const QRect inside = label->contentsRect();
        if (label->wordWrap()) {
            QVERIFY2(label->heightForWidth(inside.width()) <= inside.height(), qPrintable(name));
        } else {
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= inside.width(), qPrintable(name));
            QVERIFY2(label->fontMetrics().height() <= inside.height(), qPrintable(name));
        }
        // The texts stand on the lower part of the picture: drawn over it.
        QVERIFY2(panel->children().indexOf(label) > picture, qPrintable(name));
    }
}

void GildcrestAboutTest::renderedColours()
{
    TAboutBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QImage image = box.grab().toImage();

    const QColor black(Qt::black), grey(128, 128, 128), blue(Qt::blue);
    const std::pair<const char*, QColor> inks[] = {
        {"Label2", black},      {"lblVersion", black}, {"Label3", black}, {"lblCompileDate", black},
        {"lblCopyright", grey}, {"lblRights", grey},   {"Label4", black}, {"Label1", black},
        {"UrlLabel1", blue},
    };
    for (const auto& [name, ink] : inks) {
        QWidget* label = control(box, name);
        const QColor drawn = inkIn(image, QRect(label->mapTo(&box, QPoint(0, 0)), label->size()));
        QVERIFY2(near(drawn, ink), qPrintable(QStringLiteral("%1 drawn in %2").arg(name, drawn.name())));
    }
    QCOMPARE(image.pixelColor(control(box, "Panel1")->mapTo(&box, QPoint(316, 200))), QColor(Qt::white));
    QCOMPARE(image.pixelColor(2, 310), box.palette().color(QPalette::Button));
}

void GildcrestAboutTest::textsAreSetOnEveryShowing()
{
    TAboutBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));

    const QStringList expected = {QStringLiteral("1.0.03"), QStringLiteral("July 25, 2000"),
                                  QStringLiteral("Copyright \u00a9 2000 Quintmoor Software, LLC"),
                                  QStringLiteral("All rights reserved.")};
    const auto shownTexts = [&box] {
        QStringList texts;
        for (const char* name : {"lblVersion", "lblCompileDate", "lblCopyright", "lblRights"})
            texts << text(box, name);
        return texts;
    };
    QCOMPARE(box.windowTitle(), kCaption);
    QCOMPARE(shownTexts(), expected);

    // Whatever the texts became while hidden, the next showing sets them again.
    box.hide();
    box.setWindowTitle(QString());
    for (QLabel* label : box.findChildren<QLabel*>())
        if (label->objectName().startsWith(QLatin1String("lbl")))
            label->clear();
    box.show();
    QCOMPARE(box.windowTitle(), kCaption);
    QCOMPARE(shownTexts(), expected);
}

void GildcrestAboutTest::pictureCaptionsAndHints()
{
    TAboutBox box;

    // The picture ends above the first line of text, so that every text
    // reads on white.
    auto* image = control<QLabel>(box, "Image1");
    const QPixmap picture = image->pixmap();
    QVERIFY(!picture.isNull());
    QVERIFY(image->alignment() & Qt::AlignTop);
    QVERIFY(image->y() + picture.deviceIndependentSize().height() < control(box, "Label2")->y());

    QCOMPARE(text(box, "Label2"), QStringLiteral("Version:"));
    QCOMPARE(text(box, "Label3"), QStringLiteral("Compile Date:"));
    QCOMPARE(text(box, "Label1"), QStringLiteral("Visit Quintmoor' website at:"));
    QVERIFY(control<QLabel>(box, "Label1")->alignment() & Qt::AlignRight);
    auto* sentence = control<QLabel>(box, "Label4");
    QVERIFY(sentence->wordWrap());
    QVERIFY(sentence->alignment() & Qt::AlignHCenter);
    for (const char* about : {"Quintmoor Software, LLC", "consumers, professionals and corporations"})
        QVERIFY2(sentence->text().contains(QLatin1String(about)), about);

    auto* link = control<common::LinkLabel>(box, "UrlLabel1");
    QCOMPARE(link->text(), QStringLiteral("www.quintmoor.example"));
    QCOMPARE(link->statusTip(), QStringLiteral(" Click to visit Quintmoor Software's website ..."));

    auto* ok = control<QPushButton>(box, "btnClose");
    QCOMPARE(ok->text(), QStringLiteral(" &OK"));
    QVERIFY(!ok->icon().isNull());
    QCOMPARE(ok->statusTip(), QStringLiteral("Close About Window"));
    QCOMPARE(ok->accessibleName(), QStringLiteral("OK"));
}

void GildcrestAboutTest::keyboard_data()
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

void GildcrestAboutTest::keyboard()
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

void GildcrestAboutTest::linkOpensTheHomePageOnPressAndTheBoxStaysOpen()
{
    QWidget mainWindow;
    mainWindow.resize(630, 433);
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));

    bool openOnPress = false;
    bool openAfterPress = false;
    const Session session = runShowAbout(mainWindow, [&](TAboutBox& box) {
        auto* link = control(box, "UrlLabel1");
        QTest::mousePress(link, Qt::LeftButton, {}, link->rect().center());
        openOnPress = desktop.opened.size() == 1;
        QTest::mouseRelease(link, Qt::LeftButton, {}, link->rect().center());
        openAfterPress = box.isVisible() && QApplication::activeModalWidget() == &box;
    });

    QVERIFY(session.modal);
    QVERIFY(openOnPress);
    QVERIFY(openAfterPress);
    QCOMPARE(desktop.opened, QList<QUrl>{kHomePage});
    QCOMPARE(desktop.beeps, 0);
    QVERIFY(session.closedByOk);
}

void GildcrestAboutTest::showAboutTwiceFromAMovedMainWindow()
{
    QWidget mainWindow;
    mainWindow.setGeometry(20, 30, 630, 433);
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));

    const Session first = runShowAbout(mainWindow);
    QVERIFY(first.box.isNull());
    mainWindow.move(150, 110);
    QTRY_COMPARE(mainWindow.pos(), QPoint(150, 110));
    const Session second = runShowAbout(mainWindow);

    const QStringList texts = {QStringLiteral("1.0.03"), QStringLiteral("July 25, 2000"),
                               QStringLiteral("Copyright \u00a9 2000 Quintmoor Software, LLC"),
                               QStringLiteral("All rights reserved.")};
    for (const Session& session : {first, second}) {
        QVERIFY(session.modal);
        QCOMPARE(session.caption, kCaption);
        QCOMPARE(session.texts, texts);
        QCOMPARE(session.position, session.centredOnScreen);
        QVERIFY(session.closedByOk);
        // A new box for every opening, destroyed once it has closed.
        QVERIFY(session.box.isNull());
    }
    QVERIFY(mainWindow.isVisible());
}

QTEST_MAIN(GildcrestAboutTest)
#include "tst_gildcrest_about.moc"
