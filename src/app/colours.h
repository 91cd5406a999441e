#pragma once

#include <QColor>
#include <cstdint>

class QWidget;

namespace quorvella {

// A colour value of the control settings (0x00BBGGRR) as a QColor; 0xFF000000 stands for the
// button-face colour of `widget`'s palette.
QColor SettingColour(uint32_t value, const QWidget& widget);

}  // namespace quorvella
