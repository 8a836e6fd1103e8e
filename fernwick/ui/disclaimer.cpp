#include "disclaimer.h"

#include "app_frame.h"
#include "form_parts.h"
#include "tool_icons.h"
#include "window_placement.h"

#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QToolButton>

namespace fernwick {

namespace {

QLabel* noteLabel(QFrame* panel, const QString& name, const QString& text, const QRect& rect)
{
    QLabel* label = common::makeLabel(panel, name, text, rect, Qt::AlignHCenter | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// A white panel with a lowered outer and a raised inner bevel.
QFrame* whitePanel(QWidget* parent, const QString& name, const QRect& rect)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setGeometry(rect);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Its own background role, not the window's button face, so that its
    // labels draw in their window-text colours.
    panel->setBackgroundRole(QPalette::Window);
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

} // namespace

TfrmDisclaim::TfrmDisclaim(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmDisclaim"));
    setWindowTitle(QStringLiteral("Disclaimer"));
    setFixedSize(224, 159);
    setBackgroundRole(QPalette::Button);
    setFont(common::arialFont(11));

    Panel1 = whitePanel(this, QStringLiteral("Panel1"), QRect(0, 0, 224, 131));
    Label3 = noteLabel(Panel1, QStringLiteral("Label3"),
                       QStringLiteral("NOTE:  While effort was made to ensure the accuracy of these calculations,"),
                       QRect(11, 8, 198, 28));
    Label10 = noteLabel(Panel1, QStringLiteral("Label10"),
                        QStringLiteral("there is  NO WARRANTY,  expressed or implied, for the accuracy or "
                                       "applicability of this information to your particular financial question."),
                        QRect(8, 38, 200, 56));
    Label10->setFont(common::arialFont(11, true));
    common::setTextColour(Label10, Qt::red);
    Label12 = noteLabel(Panel1, QStringLiteral("Label12"),
                        QStringLiteral("Please consult your own financial advisor before making any financial decision."),
                        QRect(7, 95, 205, 28));

    btnClose = new QToolButton(this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setGeometry(67, 133, 91, 25);
    btnClose->setAutoRaise(true);
    btnClose->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    btnClose->setIcon(common::toolIcon(QStringLiteral("exit")));
    btnClose->setIconSize(QSize(16, 16));
    btnClose->setText(QStringLiteral("&OK"));
    btnClose->setFocusPolicy(Qt::NoFocus);
    btnClose->setStatusTip(QStringLiteral(" Close Disclaimer"));
    btnClose->setAccessibleName(QStringLiteral("OK"));
    connect(btnClose, &QToolButton::clicked, this, common::AppFrame::instance().guarded([this] { BtnCloseClick(); }));
}

void TfrmDisclaim::BtnCloseClick()
{
    close();
}

void TfrmDisclaim::keyPressEvent(QKeyEvent* event)
{
    // The window's only command is OK, and its button takes no focus: Enter
    // chooses it, as Escape (and Alt+O) do.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        BtnCloseClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ShowDisclaimer(QWidget* mainWindow)
{
    TfrmDisclaim disclaimer(mainWindow);
    common::execCentredOnScreen(mainWindow, disclaimer);
}

} // namespace fernwick
