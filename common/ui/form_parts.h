#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QToolButton;
class QWidget;

namespace common {

// Small builders for windows laid out in fixed pixels, so that each window's
// code reads as its list of controls.

QFont arialFont(int pixels, bool bold = false);

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& rect,
                  Qt::Alignment alignment = Qt::AlignHCenter | Qt::AlignVCenter);

QFrame* makeRaisedPanel(QWidget* parent, const QString& name, const QRect& rect);

// The about boxes' white panel "Panel1": a lowered outer and a raised inner bevel.
QFrame* makeWhitePanel(QWidget* parent, const QRect& rect);

// The colour of a label's text.
void setTextColour(QLabel* label, const QColor& colour);

// Replaces a label's text and sizes the label to it.
void setSizedText(QLabel* label, const QString& text);

// Gives a window the button-face colour as its own. A background role set
// instead would pass to the children and turn white panels and their texts
// to button colours.
void useButtonFaceAsWindowColour(QWidget* window);

// A flat tool button with a picture and no caption that never takes the
// focus; its hint goes to the status bar, its spoken name is the hint.
QToolButton* makePictureButton(QWidget* parent, const QString& name, const QString& icon, const QRect& rect,
                               const QString& hint);

// A hint as a screen reader says it: no surrounding blanks, no trailing " ...".
QString spokenHint(const QString& hint);

QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption, bool enabled = true);
QMenu* addSubMenu(QMenu* menu, const QString& name, const QString& caption);

} // namespace common
