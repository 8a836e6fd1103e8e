#include "app_frame.h"

#include "message_seam.h"
#include "program_style.h"

#include <QApplication>
#include <QStatusTipEvent>
#include <QThread>
#include <QWidget>

namespace common {

AppFrame& AppFrame::instance()
{
    static AppFrame* frame = new AppFrame; // lives as long as the application
    return *frame;
}

AppFrame::AppFrame() : locale_(systemLocaleRecord())
{
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            emit activated();
    });
}

void AppFrame::guard(const std::function<void()>& handler)
{
    // A handler run by the event loop of a modal window that an outer
    // handler opened is not nested in that handler: the window stays open,
    // so its error must reach the user at once and must not be rethrown
    // later by the outer handler's unrelated steps.
    const int loopLevel = QThread::currentThread()->loopLevel();
    if (depth_ > 0 && loopLevel != loopLevel_) {
        const int outerDepth = std::exchange(depth_, 0);
        const int outerLoopLevel = loopLevel_;
        std::exception_ptr outerPending = std::exchange(pending_, nullptr);
        guard(handler);
        depth_ = outerDepth;
        loopLevel_ = outerLoopLevel;
        pending_ = std::move(outerPending);
        return;
    }
    if (depth_ == 0)
        loopLevel_ = loopLevel;
    ++depth_;
    try {
        handler();
        --depth_;
    } catch (...) {
        --depth_;
        if (depth_ > 0)
            pending_ = std::current_exception();
        else
            report(std::current_exception());
        return;
    }
    // A nested error that the handler's own code did not pick up still
    // reaches the user, once.
    if (depth_ == 0 && pending_)
        report(std::exchange(pending_, nullptr));
}

void AppFrame::rethrowPending()
{
    if (pending_)
        std::rethrow_exception(std::exchange(pending_, nullptr));
}

void AppFrame::setExceptionHandler(QObject* owner, ExceptionHandler handler)
{
    exceptionHandler_ = std::move(handler);
    exceptionHandlerOwner_ = owner;
    connect(owner, &QObject::destroyed, this, [this](QObject* gone) {
        if (gone == exceptionHandlerOwner_) {
            exceptionHandler_ = nullptr;
            exceptionHandlerOwner_ = nullptr;
        }
    });
}

void AppFrame::report(std::exception_ptr error)
{
    pending_ = nullptr;
    if (exceptionHandler_) {
        try {
            exceptionHandler_(error);
            return;
        } catch (...) {
            // A failing error handler must not escape into Qt either.
        }
    }
    showInformation(nullptr, QStringLiteral("An unidentified error has occurred."));
}

void AppFrame::showInformation(QWidget* parent, const QString& text)
{
    (seam_ ? *seam_ : screenMessages()).information(parent, text);
}

void AppFrame::setHintDelay(int milliseconds)
{
    ProgramStyle::instance().setHintDelay(milliseconds);
}

bool AppFrame::eventFilter(QObject* watched, QEvent* event)
{
    // Qt sends a status tip to a control when the mouse enters it (and an
    // empty one when it leaves); it is the hint event of the whole program,
    // whichever window the control is in.
    if (event->type() == QEvent::StatusTip && watched->isWidgetType()) {
        emit hintChanged(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

QString longHint(const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

} // namespace common
