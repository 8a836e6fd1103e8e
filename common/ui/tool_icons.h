#pragma once

#include <QIcon>
#include <QString>

namespace common {

// The pictures of the tool buttons: "fraction-calculator", "print", "reset",
// "help", "update", "exit", "drop-down", "print-setup", "disclaimer" and
// "forward", each drawn at the sizes the buttons show it. An unknown name
// gives a null icon.
QIcon toolIcon(const QString& name);

} // namespace common
