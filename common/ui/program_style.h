#pragma once

#include <QProxyStyle>

namespace common {

// The style of every window of the program: the platform's style with the
// program's tool tip delay, the classic etched frame around a group of
// option buttons, and the tool-bar extension arrows drawn only when a bar
// ever needs one. Fetching those arrows (and the picture of the group frame)
// makes Qt look through its image plugins, which would cost every start a
// few milliseconds for pictures that are almost never shown.
class ProgramStyle final : public QProxyStyle {
    Q_OBJECT

public:
    // The application's style, installed on first use.
    static ProgramStyle& instance();

    void setHintDelay(int milliseconds) { hintDelay_ = milliseconds; }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    ProgramStyle();

    int hintDelay_;
};

} // namespace common
