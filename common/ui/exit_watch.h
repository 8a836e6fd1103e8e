#pragma once

#include <functional>

class QWidget;

namespace common {

// Runs `handler` when the keyboard focus leaves `control` for another
// control of the same window (Tab, a click, or the program's own focus
// change). A menu popping up or the window losing activation is no exit.
void onExit(QWidget* control, std::function<void()> handler);

} // namespace common
