#pragma once

#include <QIcon>
#include <QString>

namespace common {

// The pictures of the tool buttons: "fraction-calculator", "print", "reset",
// "help", "update", "exit", "drop-down", "print-setup", "disclaimer" and
// "forward".
QIcon toolIcon(const QString& name);

} // namespace common
