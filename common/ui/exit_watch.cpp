#include "exit_watch.h"

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace common {

namespace {

class ExitWatch final : public QObject {
public:
    ExitWatch(QWidget* control, std::function<void()> handler)
        : QObject(control), control_(control), handler_(std::move(handler))
    {
        control->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut && focusMovedToAnotherControl())
            handler_();
        return QObject::eventFilter(watched, event);
    }

private:
    // By the time a control hears of its focus loss, the application already
    // knows where the focus went. Only a move to another control of the same
    // window is an exit: a menu, another window, the window's deactivation
    // or the control's own destruction are not.
    bool focusMovedToAnotherControl() const
    {
        const QWidget* next = QApplication::focusWidget();
        return next && next != control_ && !control_->isAncestorOf(next) && next->window() == control_->window();
    }

    QWidget* control_;
    std::function<void()> handler_;
};

} // namespace

void onExit(QWidget* control, std::function<void()> handler)
{
    new ExitWatch(control, std::move(handler));
}

} // namespace common
