#include "message_seam.h"

#include "window_placement.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

namespace common {

namespace {

// Before it is shown a box has no frame of its own; a shown window of the
// program has the one that the window manager will give it.
QSize expectedFrame(const QWidget* parent)
{
    const QWidget* shown = parent ? parent->window() : QApplication::activeWindow();
    return shown ? shown->frameGeometry().size() - shown->geometry().size() : QSize(0, 0);
}

class ScreenMessages final : public MessageSeam {
public:
    void information(QWidget* parent, const QString& text) override
    {
        // Our texts end their lines with a line feed and a carriage return;
        // the carriage return would show as a stray glyph in a Qt label.
        QString shown = text;
        shown.remove(QLatin1Char('\r'));
        QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), shown, QMessageBox::Ok, parent);
        box.adjustSize();
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            box.move(centredOnScreen(screen->geometry().size(), box.size() + expectedFrame(parent)));
        box.exec();
    }
};

} // namespace

MessageSeam& screenMessages()
{
    static ScreenMessages messages;
    return messages;
}

} // namespace common
