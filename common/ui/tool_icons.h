#pragma once

#include <QIcon>
#include <QString>

namespace common {

// The pictures of the tool buttons: "fraction-calculator", "print", "reset",
// "help", "update", "exit" and "drop-down".
QIcon toolIcon(const QString& name);

} // namespace common
