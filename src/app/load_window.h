#pragma once

#include "app/control_table.h"

class QWidget;

namespace quorvella {

// Builds a window from its table: the window centred on the primary screen with a fixed
// client area, the controls in their places, parents, stacking and tab order; raises its
// Created event; then shows it with the focus on the first control in tab order. Gives the
// window, or null when it cannot be built.
QWidget* LoadWindow(const WindowTable& table);

}  // namespace quorvella
