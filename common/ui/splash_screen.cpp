#include "splash_screen.h"

#include "form_parts.h"
#include "product_pictures.h"
#include "window_placement.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <qdrawutil.h>

namespace common {

namespace {

constexpr QSize kPictureSize(300, 162);
constexpr QRect kVersionLabelRect(272, 146, 30, 14);

// Panel1's edge: a raised bevel, a border of the window's colour and a
// lowered bevel, then the white panel inside. The white panel has a raised
// bevel of its own.
constexpr int kBevelWidth = 1;
constexpr int kBorderWidth = 3;
constexpr int kWhitePanelInset = 2 * kBevelWidth + kBorderWidth;

// How long the start-up waits for the window system to put the splash on
// the screen; a display that takes longer does not hold the program up.
constexpr int kExposeWaitMs = 1000;

class BevelledPanel final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const int innerBevel = kBevelWidth + kBorderWidth;
        qDrawShadePanel(&painter, rect(), palette(), false, kBevelWidth);
        qDrawShadePanel(&painter, rect().adjusted(innerBevel, innerBevel, -innerBevel, -innerBevel), palette(), true,
                        kBevelWidth);
    }
};

void centreOnScreen(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        window.move(area.topLeft() + centredOnScreen(area.size(), window.size()));
    }
}

} // namespace

TSplashScreen::TSplashScreen(const SplashSettings& settings)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("SplashScreen"));
    // Closing frees the splash. A window of the splash type is no primary
    // window: its closing never ends the program.
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(settings.clientSize);
    setFont(arialFont(11));
    // The colours of a button's face, with black text; the panels and the
    // label set their own on the same roles.
    QPalette buttonFace = palette();
    buttonFace.setColor(QPalette::Window, buttonFace.color(QPalette::Button));
    buttonFace.setColor(QPalette::WindowText, Qt::black);
    setPalette(buttonFace);

    Panel1 = new BevelledPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(rect());

    Panel2 = new QFrame(Panel1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel2->setLineWidth(kBevelWidth);
    Panel2->setGeometry(rect().adjusted(kWhitePanelInset, kWhitePanelInset, -kWhitePanelInset, -kWhitePanelInset));
    QPalette white = Panel2->palette();
    white.setColor(QPalette::Window, Qt::white);
    Panel2->setPalette(white);
    Panel2->setAutoFillBackground(true);

    Image1 = new QLabel(Panel2);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(QRect(settings.picturePosition, kPictureSize));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(productPicture(settings.picture, kPictureSize));

    if (!settings.versionLabel.isEmpty()) {
        Label2 = makeLabel(Panel2, QStringLiteral("Label2"), settings.versionLabel, kVersionLabelRect,
                           Qt::AlignLeft | Qt::AlignTop);
        setTextColour(Label2, Qt::darkGray); // #808080
    }

    // Precise, because a coarse timer may fire a little early and the
    // splash must stay for its whole interval.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setSingleShot(true);
    Timer1->setInterval(settings.interval);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
}

void TSplashScreen::showAndPaint()
{
    centreOnScreen(*this);
    Timer1->start();
    show();

    // A window is painted once the window system has put it on the screen:
    // wait for that, with the user's input held back meanwhile.
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.start(kExposeWaitMs);
    while (!windowHandle()->isExposed() && deadline.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::ExcludeUserInputEvents);
}

void TSplashScreen::Timer1Timer()
{
    close();
}

TSplashScreen* showSplashScreen(const SplashSettings& settings)
{
    auto* splash = new TSplashScreen(settings);
    reportFirstPaint(splash);
    splash->showAndPaint();
    return splash;
}

void showMainWindow(QWidget& mainWindow)
{
    centreOnScreen(mainWindow);
    reportFirstPaint(&mainWindow);
    mainWindow.show();
}

} // namespace common
