#pragma once

#include <QIcon>

namespace quorvella {

// The program's icon in its five sizes (16, 24, 32, 48 and 128 pixels).
QIcon WindowIcon();

}  // namespace quorvella
