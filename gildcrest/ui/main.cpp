#include "app_frame.h"
#include "main_window.h"
#include "program_constants.h"
#include "window_placement.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf16(gildcrest::kApplicationTitle));
    common::AppFrame::instance();

    gildcrest::TfrmMain mainWindow;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        mainWindow.move(common::centredOnScreen(screen->geometry().size(), mainWindow.size()));
    mainWindow.show();
    return QApplication::exec();
}
