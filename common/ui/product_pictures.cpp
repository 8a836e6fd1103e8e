#include "product_pictures.h"

#include "baked_pictures.h"

#include <QGuiApplication>

#include <algorithm>

namespace common {

namespace {

int pixelArea(const BakedPicture& bake)
{
    const QSize pixels = bake.size * bake.pixelRatio;
    return pixels.width() * pixels.height();
}

// The bake drawn for the size and density, or else the one with the most
// pixels, which loses the least when scaled.
const BakedPicture& bestBake(const QList<BakedPicture>& bakes, const QSize& size, qreal density)
{
    const int pixelRatio = density > 1 ? 2 : 1;
    const auto drawnForIt = std::find_if(bakes.cbegin(), bakes.cend(), [&](const BakedPicture& bake) {
        return bake.size == size && bake.pixelRatio == pixelRatio;
    });
    if (drawnForIt != bakes.cend())
        return *drawnForIt;
    return *std::max_element(bakes.cbegin(), bakes.cend(),
                             [](const BakedPicture& a, const BakedPicture& b) { return pixelArea(a) < pixelArea(b); });
}

} // namespace

QPixmap productPicture(const QString& name, const QSize& size)
{
    return productPicture(name, size, qApp ? qApp->devicePixelRatio() : 1.0);
}

QPixmap productPicture(const QString& name, const QSize& size, qreal density)
{
    const QList<BakedPicture> bakes = findBakedPictures(QStringLiteral(":/pictures"), name);
    if (bakes.isEmpty()) {
        qWarning("There is no product picture named \"%s\"", qPrintable(name));
        return {};
    }

    QPixmap picture = loadBakedPicture(bestBake(bakes, size, density));
    if (picture.isNull())
        return {};
    // Pixels for the screen's density keep the picture sharp on a
    // high-density screen at the same size in the window.
    const QSize pixels = size * density;
    if (picture.size() != pixels)
        picture = picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(density);
    return picture;
}

} // namespace common
