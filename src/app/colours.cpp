#include "app/colours.h"

#include <QWidget>

namespace quorvella {

QColor SettingColour(uint32_t value, const QWidget& widget) {
  if (value == 0xFF000000) return widget.palette().color(QPalette::Button);
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

}  // namespace quorvella
