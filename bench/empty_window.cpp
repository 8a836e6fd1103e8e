// The baseline of the start-up benchmark: one empty Qt window, which reports
// its first paint the way the programs' main windows do.
#include "splash_screen.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setObjectName(QStringLiteral("EmptyWindow"));
    window.resize(620, 400);
    common::reportFirstPaint(&window);
    window.show();
    return QApplication::exec();
}
