#include "app_frame.h"
#include "main_window.h"
#include "program_constants.h"
#include "program_style.h"
#include "single_instance.h"
#include "splash_screen.h"

#include <QApplication>
#include <QPointer>
#include <QScopeGuard>

using namespace std::chrono_literals;

namespace {

const common::SplashSettings kSplash{
    .picture = QStringLiteral("gildcrest"),
    .clientSize = {313, 175},
    .picturePosition = {1, 1},
    .versionLabel = {},
    .interval = 5000ms,
};

} // namespace

// The fraction calculator, the update wizard and the about box are made
// afresh each time they open, so the start-up makes none of them.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The program's style before its first window, so that no window is
    // polished twice.
    common::ProgramStyle::instance();

    const QPointer<common::TSplashScreen> splash = common::showSplashScreen(kSplash);
    // A copy that ends early, or a main window closed within the interval,
    // leaves the splash to go with the program.
    const auto removeSplash = qScopeGuard([&splash] { delete splash; });

    // The application title: the task-bar button's text, and the key of the
    // one-copy lock, so it is set before the guard asks for the lock.
    QApplication::setApplicationName(QString::fromUtf16(gildcrest::kApplicationTitle));
    common::SingleInstance singleInstance(QGuiApplication::applicationDisplayName());
    if (!singleInstance.isFirstCopy()) {
        singleInstance.bringFirstCopyToFront();
        return 0;
    }
    // The regional settings are read once, before any window shows a number.
    common::AppFrame::instance();

    gildcrest::TfrmMain mainWindow;
    QObject::connect(&singleInstance, &common::SingleInstance::comeForwardRequested, &mainWindow,
                     [&mainWindow] { common::bringToFront(&mainWindow); });
    // A splash tick that fell due while the window was being built is
    // handled here, before the message loop.
    QCoreApplication::processEvents();

    common::showMainWindow(mainWindow);
    return QApplication::exec();
}
