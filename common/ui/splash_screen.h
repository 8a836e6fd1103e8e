#pragma once

#include <QEvent>
#include <QGuiApplication>
#include <QMetaObject>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

#include <chrono>
#include <cstdio>

class QFrame;
class QLabel;
class QTimer;

namespace common {

// What sets one program's splash apart from the other's.
struct SplashSettings {
    QString picture;                    // the product picture, see productPicture()
    QSize clientSize;                   // the whole window
    QPoint picturePosition;             // inside the white panel
    QString versionLabel;               // grey, in the picture's lower right corner; empty for none
    std::chrono::milliseconds interval; // the splash closes itself after this long
};

// The splash screen: the product picture in a frameless window, centred on
// the screen and above every other window. It closes itself after its
// interval and is destroyed when it closes; it never ends the program.
class TSplashScreen : public QWidget {
    Q_OBJECT

public:
    explicit TSplashScreen(const SplashSettings& settings);

    // Starts the timer, shows the splash and paints it before returning, so
    // that it is on the screen while the rest of the start-up runs.
    void showAndPaint();

private:
    void Timer1Timer();

    QWidget* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label2 = nullptr;
    QTimer* Timer1 = nullptr;
};

// The first step of both programs' start-up: the splash, on the screen and
// painted. The splash deletes itself when its timer closes it.
TSplashScreen* showSplashScreen(const SplashSettings& settings);

// The last step before the message loop: the main window, centred on the
// screen and shown.
void showMainWindow(QWidget& mainWindow);

// With QUINTMOOR_REPORT_FIRST_PAINT set in the environment, prints
// "first paint: <window's object name> (<application title>)" on standard
// error once `window` has been painted for the first time. The start-up
// benchmark times the programs by that line from outside; without the
// variable nothing is watched. Inline, so that the benchmark's empty window
// reports the same way without linking the programs' frame.
inline void reportFirstPaint(QWidget* window)
{
    if (!qEnvironmentVariableIsSet("QUINTMOOR_REPORT_FIRST_PAINT"))
        return;

    class FirstPaintReport final : public QObject {
    public:
        using QObject::QObject;

        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Paint) {
                watched->removeEventFilter(this);
                // Queued, so that the line comes once the painted window has
                // reached the screen, not when its painting begins.
                QMetaObject::invokeMethod(
                    this,
                    [this, name = watched->objectName()] {
                        std::fprintf(stderr, "first paint: %s (%s)\n", qPrintable(name),
                                     qPrintable(QGuiApplication::applicationDisplayName()));
                        std::fflush(stderr);
                        deleteLater();
                    },
                    Qt::QueuedConnection);
            }
            return false;
        }
    };
    window->installEventFilter(new FirstPaintReport(window));
}

} // namespace common
