#pragma once

#include "web_addresses.h"

#include <QColor>
#include <QLabel>

namespace common {

// A label that opens one of the maker's addresses: blue underlined Arial
// 11 px with the hand pointer, in the hover colour while the mouse is over
// it. It takes the focus by Tab (never by a click, so that clicking it
// leaves no entry field), and Enter or Space opens it as a click does. Its
// spoken name is its text.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    // Which mouse action opens the address: pressing the left button on the
    // label, or a whole click (pressed and released on it).
    enum class OpensOn { Press, Click };

    LinkLabel(const QString& text, Link target, QWidget* parent, OpensOn opensOn = OpensOn::Click);

    // Red unless set.
    void setHoverColour(const QColor& colour);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showInColour(const QColor& colour);
    void open();

    Link target_;
    OpensOn opensOn_;
    QColor hoverColour_ = Qt::red;
    bool pressed_ = false;
};

} // namespace common
