#include "program_style.h"

#include <QApplication>
#include <QGroupBox>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <qdrawutil.h>

namespace common {

namespace {

// Space above a group's frame, as the platform style leaves it.
constexpr int kGroupFrameMargin = 3;

// Stands for one of the style's own icons and asks the style for it the
// first time it is drawn.
class DeferredStyleIcon final : public QIconEngine {
public:
    DeferredStyleIcon(const QStyle* style, QStyle::StandardPixmap icon) : style_(style), icon_(icon) {}

    QIconEngine* clone() const override { return new DeferredStyleIcon(*this); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        resolved().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return resolved().pixmap(size, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return resolved().actualSize(size, mode, state);
    }

private:
    const QIcon& resolved()
    {
        if (resolved_.isNull() && style_)
            resolved_ = style_->standardIcon(icon_);
        return resolved_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap icon_;
    QIcon resolved_;
};

} // namespace

ProgramStyle& ProgramStyle::instance()
{
    if (auto* style = qobject_cast<ProgramStyle*>(QApplication::style()))
        return *style;
    auto* style = new ProgramStyle;
    QApplication::setStyle(style); // the application owns it from here
    return *style;
}

ProgramStyle::ProgramStyle() : hintDelay_(QProxyStyle::styleHint(SH_ToolTip_WakeUpDelay, nullptr, nullptr, nullptr))
{
}

int ProgramStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const
{
    if (hint == SH_ToolTip_WakeUpDelay)
        return hintDelay_;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredStyleIcon(baseStyle(), icon));
    return QProxyStyle::standardIcon(icon, option, widget);
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    if (element == PE_FrameGroupBox) {
        // The frame starts where the platform style starts it: a little
        // below the top of a bare group, below the title line of a titled
        // one. Drawn as an etched line, dark outside and light inside.
        const auto* group = qobject_cast<const QGroupBox*>(widget);
        const bool bare = group && !group->isCheckable() && group->title().isEmpty();
        const int titleHeight = bare ? 0 : qMax(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                                                option->fontMetrics.height());
        qDrawShadeRect(painter, option->rect.adjusted(0, titleHeight + kGroupFrameMargin, 0, 0), option->palette,
                       true, 1, 0);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

} // namespace common
