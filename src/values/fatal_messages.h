#pragma once

#include <cstdint>

#include "values/text.h"

namespace quorvella {

// 运行时出错! — what every report of a fatal error begins with.
inline const Text kRuntimeErrorText = "\xd4\xcb\xd0\xd0\xca\xb1\xb3\xf6\xb4\xed!"_text;

// 分配 %d 字节内存失败! with the number of bytes asked for.
Text OutOfMemoryMessage(int64_t bytes);

}  // namespace quorvella
