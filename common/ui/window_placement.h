#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QDialog;
class QWidget;

namespace common {

// Top-left corner of a window of outer size `window` centred over a window
// with outer bounds `owner`; the halves truncate toward zero.
QPoint centredOver(const QRect& owner, const QSize& window);

// Top-left corner of a window centred on a screen, never above or left of it.
QPoint centredOnScreen(const QSize& screen, const QSize& window);

// Shows `dialog` modally, centred over `owner`: the owner repaints first,
// the dialog's outer size is its client size plus the owner's frame.
int execCentredOver(QWidget* owner, QDialog& dialog);

// Shows `dialog` modally, centred on the owner's screen, after the owner repaints.
int execCentredOnScreen(QWidget* owner, QDialog& dialog);

} // namespace common
