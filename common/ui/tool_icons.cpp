#include "tool_icons.h"

namespace common {

QIcon toolIcon(const QString& name)
{
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

} // namespace common
