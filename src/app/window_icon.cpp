#include "app/window_icon.h"

// The icons are built into the program's static library, whose resources are registered here.
static void RegisterIcons() {
  Q_INIT_RESOURCE(quorvella);
}

namespace quorvella {

QIcon WindowIcon() {
  RegisterIcons();
  QIcon icon;
  for (int size : {16, 24, 32, 48, 128}) {
    icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/quorvella.png").arg(size),
                 QSize(size, size));
  }
  return icon;
}

}  // namespace quorvella
