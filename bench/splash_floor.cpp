// The second yardstick of the start-up benchmark: the least a program can do
// that puts a splash picture on the screen first and then shows a main
// window with a menu bar and a line of text. What the programs spend beyond
// it is their own; what it spends beyond the empty window is the price of
// the splash and of loading a font at all.
#include "splash_screen.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    QWidget splash(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    splash.resize(313, 175);
    QPixmap picture(300, 162);
    picture.fill(Qt::darkYellow);
    QLabel pictureLabel(&splash);
    pictureLabel.setGeometry(6, 6, 300, 162);
    pictureLabel.setPixmap(picture);
    splash.show();
    while (!splash.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::ExcludeUserInputEvents);

    QMainWindow window;
    window.setObjectName(QStringLiteral("SplashFloor"));
    window.setFont(QFont(QStringLiteral("Arial")));
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.menuBar()->addMenu(QStringLiteral("&Help"));
    window.setCentralWidget(new QLabel(QStringLiteral("Quintmoor Software, LLC")));
    window.resize(620, 400);
    common::reportFirstPaint(&window);
    window.show();
    return QApplication::exec();
}
