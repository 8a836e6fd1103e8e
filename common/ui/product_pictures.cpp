#include "product_pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace common {

QPixmap productPicture(const QString& name, const QSize& size)
{
    QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(name));
    if (!renderer.isValid())
        return {};

    // Drawn for the screen's pixel density, so that the picture stays sharp
    // on a high-density screen at the same size in the window.
    const qreal density = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap picture(size * density);
    picture.setDevicePixelRatio(density);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return picture;
}

} // namespace common
