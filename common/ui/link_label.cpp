#include "link_label.h"

#include "app_frame.h"
#include "form_parts.h"
#include "url_opener.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace common {

namespace {

const QColor kLinkColour = Qt::blue;

} // namespace

LinkLabel::LinkLabel(const QString& text, Link target, QWidget* parent, OpensOn opensOn)
    : QLabel(text, parent), target_(target), opensOn_(opensOn)
{
    setTextFormat(Qt::PlainText);
    QFont font = arialFont(11);
    font.setUnderline(true);
    setFont(font);
    showInColour(kLinkColour);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(text);
}

void LinkLabel::setHoverColour(const QColor& colour)
{
    hoverColour_ = colour;
    if (underMouse())
        showInColour(colour);
}

void LinkLabel::enterEvent(QEnterEvent* event)
{
    showInColour(hoverColour_);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event)
{
    showInColour(kLinkColour);
    QLabel::leaveEvent(event);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    if (opensOn_ == OpensOn::Press)
        open();
    else
        pressed_ = true;
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    // A click ends on the label: the user may still drag off it to change
    // their mind.
    const bool clicked = pressed_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (clicked)
        open();
}

void LinkLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The first click of the two has opened the address; the second must
    // not open it again.
    event->accept();
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            open();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void LinkLabel::showInColour(const QColor& colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
}

void LinkLabel::open()
{
    AppFrame::instance().guard([this] { openLink(target_); });
}

} // namespace common
