#include "window_placement.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QScreen>
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

namespace {

// The outer size a dialog will have once shown. Before it is shown it has no
// frame of its own; the owner's frame is what the window manager will give it.
QSize expectedOuterSize(const QWidget* owner, QDialog& dialog)
{
    // A dialog sized by its layout would get that size only when shown.
    if (!dialog.testAttribute(Qt::WA_Resized))
        dialog.adjustSize();
    return dialog.size() + (owner->frameGeometry().size() - owner->geometry().size());
}

} // namespace

int execCentredOver(QWidget* owner, QDialog& dialog)
{
    const QRect ownerBounds = owner->frameGeometry();
    QCoreApplication::sendPostedEvents(owner, QEvent::UpdateRequest);
    dialog.move(centredOver(ownerBounds, expectedOuterSize(owner, dialog)));
    return dialog.exec();
}

int execCentredOnScreen(QWidget* owner, QDialog& dialog)
{
    QCoreApplication::sendPostedEvents(owner, QEvent::UpdateRequest);
    const QRect screen = owner->screen()->geometry();
    dialog.move(screen.topLeft() + centredOnScreen(screen.size(), expectedOuterSize(owner, dialog)));
    return dialog.exec();
}

} // namespace common
