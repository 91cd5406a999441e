#include "app/window_icon.h"

namespace quorvella {

QIcon WindowIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 128}) {
    icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/quorvella.png").arg(size),
                 QSize(size, size));
  }
  return icon;
}

}  // namespace quorvella
