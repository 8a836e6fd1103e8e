#include "tool_icons.h"

#include "baked_pictures.h"

namespace common {

QIcon toolIcon(const QString& name)
{
    // Pixmaps at every size a button shows the icon, with their @2x twins
    // for high-density screens; the style draws the disabled look from them.
    QIcon icon;
    for (const BakedPicture& bake : findBakedPictures(QStringLiteral(":/icons"), name))
        icon.addPixmap(loadBakedPicture(bake));
    if (icon.isNull())
        qWarning("There is no tool icon named \"%s\"", qPrintable(name));
    return icon;
}

} // namespace common
