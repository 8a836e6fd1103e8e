#pragma once

#include <QList>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace common {

// Pictures drawn from SVG while building (see picture_baker), one resource
// for each size and pixel ratio: "<folder>/<name>-<width>x<height>.argb",
// and "<name>-<width>x<height>@2x.argb" with twice the pixels each way. A
// resource holds premultiplied ARGB32 pixels in the machine's byte order,
// row after row with nothing between them.
struct BakedPicture {
    QString path;
    QSize size;     // as the window shows it
    int pixelRatio; // 1 or 2
};

// Every bake of the picture `name` in the resource folder, e.g. ":/icons".
QList<BakedPicture> findBakedPictures(const QString& folder, const QString& name);

// The bake's pixels, carrying its pixel ratio; a null pixmap, with a
// warning, when the resource does not hold exactly the pixels its name says.
QPixmap loadBakedPicture(const BakedPicture& picture);

} // namespace common
