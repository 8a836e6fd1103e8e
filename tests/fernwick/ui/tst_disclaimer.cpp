#include "disclaimer.h"
#include "window_placement.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <functional>

using fernwick::TfrmDisclaim;

namespace {

template <class Control>
Control* control(QWidget& window, const QString& name)
{
    auto* found = window.findChild<Control*>(name);
    if (!found)
        qWarning("no control %s", qPrintable(name));
    return found;
}

struct Showing {
    QPointer<TfrmDisclaim> window;
    bool modal = false;
    QPoint position;
    QSize outerSize;
};

// Runs ShowDisclaimer over `mainWindow`; whatever is open is closed from
// the event loop, so the run never waits on a window nobody closes.
Showing showDisclaimer(QWidget& mainWindow, const std::function<void(TfrmDisclaim&)>& close)
{
    Showing showing;
    const QObject scope; // a timer still pending on return must never fire
    QTimer::singleShot(0, &scope, [&] {
        showing.window = qobject_cast<TfrmDisclaim*>(QApplication::activeModalWidget());
        if (showing.window) {
            showing.modal = showing.window->isModal();
            showing.position = showing.window->pos();
            showing.outerSize = showing.window->frameGeometry().size();
            close(*showing.window);
        }
        for (QWidget* window : QApplication::topLevelWidgets())
            if (qobject_cast<TfrmDisclaim*>(window) && window->isVisible())
                window->close();
    });
    fernwick::ShowDisclaimer(&mainWindow);
    return showing;
}

} // namespace

class DisclaimerTest : public QObject {
    Q_OBJECT

private slots:
    void windowIsFixedWithATitleAndNoTitleBarButtons();
    void notes_data();
    void notes();
    void whitePanelAndOkButton();
    void closing_data();
    void closing();
    void showDisclaimerOpensANewWindowCentredOnTheScreenEachTime();
    void notesAreDrawnInTheirColoursOnWhite();
};

void DisclaimerTest::windowIsFixedWithATitleAndNoTitleBarButtons()
{
    TfrmDisclaim window;

    QCOMPARE(window.objectName(), QStringLiteral("frmDisclaim"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Disclaimer"));
    QCOMPARE(window.size(), QSize(224, 159));
    QCOMPARE(window.minimumSize(), QSize(224, 159));
    QCOMPARE(window.maximumSize(), QSize(224, 159));
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    for (const Qt::WindowType button : {Qt::WindowSystemMenuHint, Qt::WindowCloseButtonHint,
                                        Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint,
                                        Qt::WindowContextHelpButtonHint})
        QVERIFY(!flags.testFlag(button));
    QCOMPARE(window.backgroundRole(), QPalette::Button);
    QCOMPARE(window.font().family(), QStringLiteral("Arial"));
    QCOMPARE(window.font().pixelSize(), 11);
}

void DisclaimerTest::notes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("text");

    QTest::newRow("Label3") << "Label3" << QRect(11, 8, 198, 28) << QColor(Qt::black) << false
                            << "NOTE:  While effort was made to ensure the accuracy of these calculations,";
    QTest::newRow("Label10") << "Label10" << QRect(8, 38, 200, 56) << QColor(Qt::red) << true
                             << "there is  NO WARRANTY,  expressed or implied, for the accuracy or applicability "
                                "of this information to your particular financial question.";
    QTest::newRow("Label12") << "Label12" << QRect(7, 95, 205, 28) << QColor(Qt::black) << false
                             << "Please consult your own financial advisor before making any financial decision.";
}

void DisclaimerTest::notes()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QFETCH(QColor, colour);
    QFETCH(bool, bold);
    QFETCH(QString, text);

    TfrmDisclaim window;
    auto* label = control<QLabel>(window, name);
    QVERIFY(label);

    QCOMPARE(label->parentWidget()->objectName(), QStringLiteral("Panel1"));
    QCOMPARE(label->geometry(), rect);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QVERIFY(label->wordWrap());
    QVERIFY(label->alignment().testFlag(Qt::AlignHCenter));
    QVERIFY(!label->autoFillBackground());
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QCOMPARE(label->font().bold(), bold);
    QCOMPARE(label->font().family(), QStringLiteral("Arial"));
    QCOMPARE(label->font().pixelSize(), 11);
    // The whole note fits its rectangle at its width.
    QVERIFY2(label->heightForWidth(rect.width()) <= rect.height(),
             qPrintable(QString::number(label->heightForWidth(rect.width()))));
}

void DisclaimerTest::whitePanelAndOkButton()
{
    TfrmDisclaim window;
    auto* panel = control<QFrame>(window, QStringLiteral("Panel1"));
    auto* button = control<QToolButton>(window, QStringLiteral("btnClose"));
    QVERIFY(panel && button);

    QCOMPARE(panel->geometry(), QRect(0, 0, 224, 131));
    QVERIFY(panel->autoFillBackground());
    QCOMPARE(panel->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(panel->frameShadow(), QFrame::Sunken);
    const QList<QFrame*> bevels = panel->findChildren<QFrame*>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(std::any_of(bevels.begin(), bevels.end(), [](const QFrame* bevel) {
        return bevel->frameShadow() == QFrame::Raised && !qobject_cast<const QLabel*>(bevel);
    }));

    QCOMPARE(button->geometry(), QRect(67, 133, 91, 25));
    QCOMPARE(button->text(), QStringLiteral("&OK"));
    QVERIFY(button->autoRaise());
    QVERIFY(!button->icon().isNull());
    QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    QCOMPARE(button->statusTip(), QStringLiteral(" Close Disclaimer"));
    QCOMPARE(button->accessibleName(), QStringLiteral("OK"));
    QVERIFY(button->sizeHint().width() <= button->width());
}

void DisclaimerTest::closing_data()
{
    QTest::addColumn<QString>("how");

    QTest::newRow("click OK") << "click";
    QTest::newRow("Alt+O") << "Alt+O";
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("Escape") << "Escape";
}

void DisclaimerTest::closing()
{
    QFETCH(QString, how);

    TfrmDisclaim window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    if (how == "click")
        QTest::mouseClick(control<QToolButton>(window, QStringLiteral("btnClose")), Qt::LeftButton);
    else if (how == "Alt+O")
        QTest::keyClick(&window, Qt::Key_O, Qt::AltModifier);
    else if (how == "Enter")
        QTest::keyClick(&window, Qt::Key_Return);
    else
        QTest::keyClick(&window, Qt::Key_Escape);

    QTRY_VERIFY(!window.isVisible());
}

void DisclaimerTest::showDisclaimerOpensANewWindowCentredOnTheScreenEachTime()
{
    QWidget mainWindow;
    mainWindow.setGeometry(40, 30, 567, 485);
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
    const QRect screen = mainWindow.screen()->geometry();

    for (int opening = 1; opening <= 2; ++opening) {
        const Showing showing = showDisclaimer(mainWindow, [](TfrmDisclaim& window) {
            QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("btnClose")), Qt::LeftButton);
        });
        QVERIFY2(showing.modal, qPrintable(QString::number(opening)));
        QCOMPARE(showing.position, screen.topLeft() + common::centredOnScreen(screen.size(), showing.outerSize));
        // Destroyed once closed: the next opening is a new window.
        QVERIFY(showing.window.isNull());
    }
}

void DisclaimerTest::notesAreDrawnInTheirColoursOnWhite()
{
    TfrmDisclaim window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage picture = window.grab().toImage();

    // Between the bevel and the first note.
    QCOMPARE(picture.pixelColor(4, 5), QColor(Qt::white));

    // The lowest row of each note's red and of its black ink.
    const auto lowestInk = [&](const QRect& rect, bool red) {
        int lowest = -1;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x) {
                const QColor pixel = picture.pixelColor(x, y);
                const bool isRed = pixel.red() > 200 && pixel.green() < 120 && pixel.blue() < 120;
                const bool isBlack = pixel.value() < 100;
                if (red ? isRed : isBlack)
                    lowest = y;
            }
        return lowest;
    };
    const QRect note(11, 8, 198, 28);
    const QRect warning(8, 38, 200, 56);
    const QRect advice(7, 95, 205, 28);
    constexpr int lineHeight = 13;
    QVERIFY(lowestInk(note, true) < 0);
    QVERIFY(lowestInk(note, false) > note.top() + lineHeight);
    QVERIFY(lowestInk(warning, false) < 0);
    QVERIFY(lowestInk(warning, true) > warning.top() + 3 * lineHeight);
    QVERIFY(lowestInk(advice, true) < 0);
    QVERIFY(lowestInk(advice, false) > advice.top() + lineHeight);
}

QTEST_MAIN(DisclaimerTest)
#include "tst_disclaimer.moc"
