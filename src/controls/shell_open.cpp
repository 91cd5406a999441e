#include "controls/shell_open.h"

#include <QDesktopServices>
#include <QUrl>

#include "app/qt_text.h"

namespace quorvella {

void ShellOpen(int32_t, const Text& target) {
  // A failure is the desktop's to show; the caller goes on either way.
  QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(target)));
}

}  // namespace quorvella
