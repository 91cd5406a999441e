#pragma once

#include <cstdint>

#include "values/text.h"

namespace quorvella {

// Hands a file or folder to the desktop, which opens it the way it opens such things (a
// folder in the file manager). Every operation (1 edit, 2 explore, 3 find, 4 open, 5 print,
// others the default) comes down to that one way on this platform. Does not wait.
void ShellOpen(int32_t operation, const Text& target);

}  // namespace quorvella
