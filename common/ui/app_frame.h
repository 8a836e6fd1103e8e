#pragma once

#include "locale_record.h"

#include <QObject>
#include <QString>

#include <exception>
#include <functional>

class QWidget;

namespace common {

class MessageSeam;

// The one application object that both programs share: their regional
// settings, the application-wide error, hint and activation events, and the
// guard that every event handler runs through.
//
// Handlers nest: a result field written by one handler runs another handler
// from inside Qt's signal delivery. An exception must never unwind through
// Qt's frames, so the guard catches everything; a nested handler's error is
// parked here, and the outer handler's code rethrows it right after the call
// that emitted the signal (rethrowPending), so that it ends the outer
// handler too. Only the outermost guard reports, exactly once.
class AppFrame : public QObject {
    Q_OBJECT

public:
    using ExceptionHandler = std::function<void(std::exception_ptr)>;

    static AppFrame& instance();

    void guard(const std::function<void()>& handler);

    // A slot that runs `handler` through the guard, for connect().
    template <class Handler>
    auto guarded(Handler handler)
    {
        return [this, handler](auto&&...) { guard(handler); };
    }

    // Rethrows the error of a nested handler, if one is parked.
    void rethrowPending();

    // The main window's handler for every error that escapes a handler.
    // Removed again when `owner` is destroyed.
    void setExceptionHandler(QObject* owner, ExceptionHandler handler);

    const LocaleRecord& locale() const { return locale_; }
    void setLocale(const LocaleRecord& locale) { locale_ = locale; }

    void showInformation(QWidget* parent, const QString& text);
    // nullptr returns to the real message boxes.
    void setMessageSeam(MessageSeam* seam) { seam_ = seam; }

    // Delay before a tool tip shows.
    void setHintDelay(int milliseconds);

signals:
    // The hint under the mouse changed (empty when it left a control with one).
    void hintChanged(const QString& hint);
    // The program became the active application again.
    void activated();

private:
    AppFrame();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void report(std::exception_ptr error);

    LocaleRecord locale_;
    MessageSeam* seam_ = nullptr;
    ExceptionHandler exceptionHandler_;
    QObject* exceptionHandlerOwner_ = nullptr;
    int depth_ = 0;
    int loopLevel_ = 0; // the event loop that the outermost guard runs in
    std::exception_ptr pending_;
};

// The long part of a hint: the text after a '|', or the whole hint.
QString longHint(const QString& hint);

} // namespace common
