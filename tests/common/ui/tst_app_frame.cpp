#include "app_frame.h"
#include "faults.h"
#include "message_seam.h"
#include "numeric_edit.h"
#include "test_support.h"
#include "window_placement.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

using common::AppFrame;

namespace {

const QString kGenericMessage = QStringLiteral("An unidentified error has occurred.");

class RecordingSeam final : public common::MessageSeam {
public:
    void information(QWidget*, const QString& text) override { texts << text; }
    QStringList texts;
};

// What reached the exception handler, in a form that a failed comparison shows.
QString describe(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const common::ArithmeticFault& fault) {
        return QStringLiteral("ArithmeticFault: ") + QString::fromUtf8(fault.what());
    } catch (const common::ConversionError& failure) {
        return QStringLiteral("ConversionError: ") + QString::fromUtf8(failure.what());
    } catch (const std::exception& other) {
        return QStringLiteral("std::exception: ") + QString::fromUtf8(other.what());
    } catch (...) {
        return QStringLiteral("unknown");
    }
}

enum class Failure { Arithmetic, Conversion, Standard, NotAStandardException };

[[noreturn]] void fail(Failure kind)
{
    switch (kind) {
    case Failure::Arithmetic:
        throw common::ArithmeticFault("overflow");
    case Failure::Conversion:
        throw common::ConversionError("not a number");
    case Failure::Standard:
        throw std::runtime_error("disk full");
    case Failure::NotAStandardException:
        throw 42;
    }
    throw std::logic_error("unknown failure kind");
}

AppFrame& frame()
{
    return AppFrame::instance();
}

} // namespace

class AppFrameTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void errorInASignalHandlerReachesTheHandlerOnce_data();
    void errorInASignalHandlerReachesTheHandlerOnce();
    void nestedErrorEndsEveryEnclosingHandler_data();
    void nestedErrorEndsEveryEnclosingHandler();
    void nestedErrorNotRethrownIsReportedOnceWhenTheOuterHandlerEnds();
    void errorInAModalWindowIsReportedWhileItIsOpen();
    void failingExceptionHandlerFallsBackToTheGenericMessage_data();
    void failingExceptionHandlerFallsBackToTheGenericMessage();
    void handlerIsRemovedWithItsOwner();
    void destroyingAFormerOwnerKeepsTheCurrentHandler();
    void realInformationBox();

    void longHint_data();
    void longHint();
    void hintFollowsTheMouseAcrossWindows();

private:
    void installRecordingHandler();

    RecordingSeam seam_;
    QStringList reported_;
    std::unique_ptr<QObject> handlerOwner_;
};

void AppFrameTest::initTestCase()
{
    frame().setLocale(testsupport::usLocale());
    frame().setMessageSeam(&seam_);
}

void AppFrameTest::init()
{
    seam_.texts.clear();
    reported_.clear();
    installRecordingHandler();
}

void AppFrameTest::cleanup()
{
    handlerOwner_.reset();
    frame().setMessageSeam(&seam_);
}

void AppFrameTest::cleanupTestCase()
{
    frame().setMessageSeam(nullptr);
}

void AppFrameTest::installRecordingHandler()
{
    handlerOwner_ = std::make_unique<QObject>();
    frame().setExceptionHandler(handlerOwner_.get(), [this](std::exception_ptr error) {
        reported_ << describe(error);
    });
}

void AppFrameTest::errorInASignalHandlerReachesTheHandlerOnce_data()
{
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<QString>("expected");

    QTest::newRow("arithmetic fault") << Failure::Arithmetic << "ArithmeticFault: overflow";
    QTest::newRow("conversion error") << Failure::Conversion << "ConversionError: not a number";
    QTest::newRow("other standard exception") << Failure::Standard << "std::exception: disk full";
    QTest::newRow("not a standard exception") << Failure::NotAStandardException << "unknown";
}

void AppFrameTest::errorInASignalHandlerReachesTheHandlerOnce()
{
    QFETCH(Failure, failure);
    QFETCH(QString, expected);

    // Delivered by Qt's signal machinery: an exception that escaped the guard
    // would unwind through Qt's frames and end the test program.
    QPushButton button;
    int runs = 0;
    connect(&button, &QPushButton::clicked, &frame(), frame().guarded([&] {
        ++runs;
        fail(failure);
    }));

    button.click();
    QCOMPARE(runs, 1);
    QCOMPARE(reported_, QStringList{expected});
    QVERIFY(seam_.texts.isEmpty());

    button.click();
    QCOMPARE(reported_, QStringList({expected, expected}));
}

void AppFrameTest::nestedErrorEndsEveryEnclosingHandler_data()
{
    QTest::addColumn<int>("levels");

    QTest::newRow("a handler inside the outer one") << 1;
    QTest::newRow("two handlers deep") << 2;
    QTest::newRow("three handlers deep") << 3;
}

void AppFrameTest::nestedErrorEndsEveryEnclosingHandler()
{
    QFETCH(int, levels);

    // Handler k writes field k, whose change runs handler k + 1 from inside
    // the signal; the innermost handler finds an overflow.
    std::vector<std::unique_ptr<common::NumericEdit>> fields;
    std::vector<std::function<void()>> handlers(std::size_t(levels) + 1);
    QStringList steps;
    for (int k = 0; k < levels; ++k) {
        fields.push_back(std::make_unique<common::NumericEdit>(2));
        handlers[std::size_t(k)] = [&, k] {
            steps << QStringLiteral("%1 writes").arg(k);
            fields[std::size_t(k)]->setValue(1.0 + k);
            steps << QStringLiteral("%1 goes on").arg(k);
        };
    }
    handlers.back() = [&] {
        steps << QStringLiteral("%1 fails").arg(levels);
        fail(Failure::Arithmetic);
    };
    for (int k = 0; k < levels; ++k)
        connect(fields[std::size_t(k)].get(), &common::NumericEdit::changed, &frame(),
                frame().guarded(handlers[std::size_t(k) + 1]));

    frame().guard(handlers.front());

    QStringList expectedSteps;
    for (int k = 0; k < levels; ++k)
        expectedSteps << QStringLiteral("%1 writes").arg(k);
    expectedSteps << QStringLiteral("%1 fails").arg(levels);
    QCOMPARE(steps, expectedSteps);
    QCOMPARE(reported_, QStringList{QStringLiteral("ArithmeticFault: overflow")});
    QVERIFY(seam_.texts.isEmpty());

    // Nothing is left behind for a later handler to trip over.
    common::NumericEdit unrelated(2);
    bool laterHandlerFinished = false;
    frame().guard([&] {
        unrelated.setValue(5.0);
        laterHandlerFinished = true;
    });
    QVERIFY(laterHandlerFinished);
    QCOMPARE(reported_.size(), 1);
}

void AppFrameTest::nestedErrorNotRethrownIsReportedOnceWhenTheOuterHandlerEnds()
{
    // A plain line edit knows nothing of parked errors: the outer handler's
    // code goes on, and the error still reaches the user when it ends.
    QLineEdit plain;
    connect(&plain, &QLineEdit::textChanged, &frame(), frame().guarded([] { fail(Failure::Conversion); }));

    qsizetype reportsDuringOuter = -1;
    bool outerFinished = false;
    frame().guard([&] {
        plain.setText(QStringLiteral("x"));
        reportsDuringOuter = reported_.size();
        outerFinished = true;
    });

    QVERIFY(outerFinished);
    QCOMPARE(reportsDuringOuter, 0);
    QCOMPARE(reported_, QStringList{QStringLiteral("ConversionError: not a number")});
    QVERIFY(seam_.texts.isEmpty());
}

void AppFrameTest::errorInAModalWindowIsReportedWhileItIsOpen()
{
    // A handler opens a modal window; the window's own handlers run in its
    // event loop, not nested in the opening handler. An error there must be
    // shown while the window stays open, and must not turn up again later
    // in an unrelated step.
    QDialog dialog;
    auto* failing = new QPushButton(QStringLiteral("Convert"), &dialog);
    common::NumericEdit handedTo(2);
    (new QVBoxLayout(&dialog))->addWidget(failing);
    connect(failing, &QPushButton::clicked, &frame(), frame().guarded([] { fail(Failure::Conversion); }));

    qsizetype reportsWhileOpen = -1;
    bool handedOver = false;
    bool openerFinished = false;
    QTimer::singleShot(0, &dialog, [&] {
        failing->click();
        reportsWhileOpen = reported_.size();
        frame().guard([&] {
            handedTo.setValue(12.5);
            handedOver = true;
        });
        dialog.accept();
    });
    frame().guard([&] {
        dialog.exec();
        openerFinished = true;
    });

    QCOMPARE(reportsWhileOpen, 1);
    QVERIFY(handedOver);
    QCOMPARE(handedTo.text(), QStringLiteral("12.50"));
    QVERIFY(openerFinished);
    QCOMPARE(reported_, QStringList{QStringLiteral("ConversionError: not a number")});
}

void AppFrameTest::failingExceptionHandlerFallsBackToTheGenericMessage_data()
{
    QTest::addColumn<Failure>("handlerFailure");

    QTest::newRow("handler throws a standard exception") << Failure::Standard;
    QTest::newRow("handler throws something else") << Failure::NotAStandardException;
}

void AppFrameTest::failingExceptionHandlerFallsBackToTheGenericMessage()
{
    QFETCH(Failure, handlerFailure);

    QObject owner;
    int handlerRuns = 0;
    frame().setExceptionHandler(&owner, [&](std::exception_ptr) {
        ++handlerRuns;
        fail(handlerFailure);
    });

    frame().guard([] { fail(Failure::Arithmetic); });

    QCOMPARE(handlerRuns, 1);
    QCOMPARE(seam_.texts, QStringList{kGenericMessage});
}

void AppFrameTest::handlerIsRemovedWithItsOwner()
{
    handlerOwner_.reset();

    frame().guard([] { fail(Failure::Arithmetic); });

    QVERIFY(reported_.isEmpty());
    QCOMPARE(seam_.texts, QStringList{kGenericMessage});
}

void AppFrameTest::destroyingAFormerOwnerKeepsTheCurrentHandler()
{
    auto formerOwner = std::move(handlerOwner_);
    installRecordingHandler();
    formerOwner.reset();

    frame().guard([] { fail(Failure::Standard); });

    QCOMPARE(reported_, QStringList{QStringLiteral("std::exception: disk full")});
    QVERIFY(seam_.texts.isEmpty());
}

void AppFrameTest::realInformationBox()
{
    // Errors are reported while the main window is active; its frame is
    // what the box gets from the window manager.
    QWidget mainWindow;
    mainWindow.setGeometry(50, 50, 300, 200);
    mainWindow.show();
    mainWindow.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&mainWindow));
    frame().setMessageSeam(nullptr);

    struct Seen {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        qsizetype buttons = 0;
        QRect frame;
    } seen;
    // The box is modal: the timer reads it and closes it from inside its loop.
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = {box->windowTitle(), box->text(), box->icon(), box->buttons().size(), box->frameGeometry()};
        box->button(QMessageBox::Ok)->click();
    });
    closer.start(10);

    frame().showInformation(nullptr, QStringLiteral("First line\n\rSecond line"));
    closer.stop();

    QCOMPARE(seen.title, QStringLiteral("Information"));
    QCOMPARE(seen.text, QStringLiteral("First line\nSecond line"));
    QCOMPARE(seen.icon, QMessageBox::Information);
    QCOMPARE(seen.buttons, 1);
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    QCOMPARE(seen.frame.topLeft(), common::centredOnScreen(screen, seen.frame.size()));
}

void AppFrameTest::longHint_data()
{
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("expected");

    QTest::newRow("short and long") << "Print|Print the profit chart" << "Print the profit chart";
    QTest::newRow("no bar") << "Print the chart" << "Print the chart";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("empty short part") << "|Long only" << "Long only";
    QTest::newRow("empty long part") << "Short only|" << "";
    QTest::newRow("bar inside the long part") << "Choose|either a|b" << "either a|b";
}

void AppFrameTest::longHint()
{
    QFETCH(QString, hint);
    QFETCH(QString, expected);

    QCOMPARE(common::longHint(hint), expected);
}

void AppFrameTest::hintFollowsTheMouseAcrossWindows()
{
    QSignalSpy hints(&frame(), &AppFrame::hintChanged);

    QWidget mainWindow;
    mainWindow.setGeometry(0, 0, 300, 200);
    auto* withHint = new QPushButton(QStringLiteral("Print"), &mainWindow);
    withHint->setGeometry(10, 10, 80, 30);
    withHint->setStatusTip(QStringLiteral("Print|Print the profit chart"));
    auto* withoutHint = new QPushButton(QStringLiteral("Other"), &mainWindow);
    withoutHint->setGeometry(10, 100, 80, 30);

    QWidget secondWindow;
    secondWindow.setGeometry(400, 0, 300, 200);
    auto* inSecond = new QPushButton(QStringLiteral("Close"), &secondWindow);
    inSecond->setGeometry(10, 10, 80, 30);
    inSecond->setStatusTip(QStringLiteral("Close this window"));

    mainWindow.show();
    secondWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
    QVERIFY(QTest::qWaitForWindowExposed(&secondWindow));
    hints.clear();

    QTest::mouseMove(withHint);
    QTRY_COMPARE(hints.size(), 1);
    QCOMPARE(hints.at(0).at(0).toString(), QStringLiteral("Print|Print the profit chart"));

    // Leaving a control with a hint clears it; one without a hint adds nothing.
    QTest::mouseMove(withoutHint);
    QTRY_COMPARE(hints.size(), 2);
    QCOMPARE(hints.at(1).at(0).toString(), QString());

    QTest::mouseMove(inSecond);
    QTRY_COMPARE(hints.size(), 3);
    QCOMPARE(hints.at(2).at(0).toString(), QStringLiteral("Close this window"));
}

QTEST_MAIN(AppFrameTest)
#include "tst_app_frame.moc"
