#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace common {

// The product pictures of the splash screens and about boxes at the given
// size, sharp for the screen's pixel density: "gildcrest" and "fernwick"
// (300 x 162, with the product name), "fernwick-emblem" (144 x 155, the
// picture beside fernwick's about text). An unknown name gives a null pixmap.
QPixmap productPicture(const QString& name, const QSize& size);

// The same for a screen of the given pixel density.
QPixmap productPicture(const QString& name, const QSize& size, qreal density);

} // namespace common
