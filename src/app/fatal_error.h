#pragma once

#include <cstdint>

#include "values/text.h"

namespace quorvella {

// The run-time error report: an error box captioned "错误" with "运行时出错!" and the message,
// then the end work and the end of the process with status 255. Raised on another thread, the
// box and the end work still run on the main thread while the raising thread waits.
[[noreturn]] void FatalError(const Text& message, int32_t code = 0);

// The text the error box shows.
Text FatalErrorText(const Text& message, int32_t code);

// Reports running out of memory through FatalError; installed at start-up.
[[noreturn]] void FatalOutOfMemory(int64_t bytes);

}  // namespace quorvella
