#include "window_placement.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QWidget>

#include <algorithm>

namespace common {

QPoint centredOver(const QRect& owner, const QSize& window)
{
    const int top = owner.top() + (owner.height() - window.height()) / 2;
    const int left = owner.left() + (owner.width() - window.width()) / 2;
    return {left, top};
}

QPoint centredOnScreen(const QSize& screen, const QSize& window)
{
    return {std::max(0, (screen.width() - window.width()) / 2),
            std::max(0, (screen.height() - window.height()) / 2)};
}

int execCentredOver(QWidget* owner, QDialog& dialog)
{
    const QRect ownerBounds = owner->frameGeometry();
    QCoreApplication::sendPostedEvents(owner, QEvent::UpdateRequest);
    // A dialog sized by its layout would get that size only when shown;
    // centre it by the size it shows with.
    if (!dialog.testAttribute(Qt::WA_Resized))
        dialog.adjustSize();
    // Before it is shown the dialog has no frame of its own; the owner's
    // frame is what the window manager will give it.
    const QSize frame = owner->frameGeometry().size() - owner->geometry().size();
    const QSize outer = dialog.size() + frame;
    const QPoint corner = centredOver(ownerBounds, outer);
    dialog.move(corner);
    return dialog.exec();
}

} // namespace common
