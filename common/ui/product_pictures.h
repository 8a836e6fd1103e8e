#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace common {

// The product pictures of the splash screens and about boxes, drawn at the
// given size: "gildcrest" and "fernwick" (300 x 162, with the product name),
// "fernwick-emblem" (144 x 155, the picture beside fernwick's about text).
QPixmap productPicture(const QString& name, const QSize& size);

} // namespace common
