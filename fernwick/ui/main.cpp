#include "app_frame.h"
#include "main_window.h"
#include "program_constants.h"
#include "program_style.h"
#include "splash_screen.h"

#include <QApplication>
#include <QPointer>
#include <QScopeGuard>

using namespace std::chrono_literals;

namespace {

const common::SplashSettings kSplash{
    .picture = QStringLiteral("fernwick"),
    .clientSize = {330, 182},
    .picturePosition = {10, 5},
    .versionLabel = QString::fromUtf16(fernwick::kVersion),
    .interval = 4500ms,
};

} // namespace

// The disclaimer, the update wizard and the about box are made afresh each
// time they open, so the start-up makes none of them. Any number of copies
// may run side by side.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The program's style before its first window, so that no window is
    // polished twice.
    common::ProgramStyle::instance();

    const QPointer<common::TSplashScreen> splash = common::showSplashScreen(kSplash);
    // A main window closed within the interval leaves the splash to go with
    // the program.
    const auto removeSplash = qScopeGuard([&splash] { delete splash; });

    // The application title carries the version, so it is the display name:
    // the program's name stays "Fernwick", which names its settings folder,
    // so that the saved values survive an update.
    QApplication::setApplicationName(QStringLiteral("Fernwick"));
    QApplication::setApplicationDisplayName(QString::fromUtf16(fernwick::kApplicationTitle));
    // The regional settings are read once, before any window shows a number.
    common::AppFrame::instance();

    fernwick::TfrmMain mainWindow;

    common::showMainWindow(mainWindow);
    return QApplication::exec();
}
