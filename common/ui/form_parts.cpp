#include "form_parts.h"

#include "tool_icons.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace common {

QFont arialFont(int pixels, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& rect,
                  Qt::Alignment alignment)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(rect);
    label->setAlignment(alignment);
    return label;
}

QFrame* makeRaisedPanel(QWidget* parent, const QString& name, const QRect& rect)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setGeometry(rect);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return panel;
}

QFrame* makeWhitePanel(QWidget* parent, const QRect& rect)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(rect);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);
    panel->setAutoFillBackground(true);

    auto* innerBevel = new QFrame(panel);
    innerBevel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    innerBevel->setGeometry(QRect(QPoint(1, 1), rect.size() - QSize(2, 2)));
    innerBevel->setAttribute(Qt::WA_TransparentForMouseEvents);
    return panel;
}

void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
}

void setSizedText(QLabel* label, const QString& text)
{
    label->setText(text);
    label->adjustSize();
}

void useButtonFaceAsWindowColour(QWidget* window)
{
    QPalette buttonFace = window->palette();
    buttonFace.setColor(QPalette::Window, buttonFace.color(QPalette::Button));
    window->setPalette(buttonFace);
}

QToolButton* makePictureButton(QWidget* parent, const QString& name, const QString& icon, const QRect& rect,
                               const QString& hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setGeometry(rect);
    button->setIcon(toolIcon(icon));
    button->setIconSize(rect.size() - QSize(6, 6));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStatusTip(hint);
    button->setAccessibleName(spokenHint(hint));
    return button;
}

QString spokenHint(const QString& hint)
{
    QString spoken = hint.trimmed();
    if (spoken.endsWith(QLatin1String(" ...")))
        spoken.chop(4);
    return spoken;
}

QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption, bool enabled)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setEnabled(enabled);
    return action;
}

QMenu* addSubMenu(QMenu* menu, const QString& name, const QString& caption)
{
    QMenu* sub = menu->addMenu(caption);
    sub->setObjectName(name);
    sub->menuAction()->setObjectName(name);
    return sub;
}

} // namespace common
