#pragma once

#include <cstdint>
#include <optional>

#include "values/text.h"

namespace quorvella {

// A modal message box over the whole application. `flags` are the message-box style bits:
// the buttons (0 OK, 1 OK/Cancel, 2 Abort/Retry/Ignore, 3 Yes/No/Cancel, 4 Yes/No,
// 5 Retry/Cancel), the icon (0x10 error, 0x20 question, 0x30 warning, 0x40 information) and
// the default button (0x100 the second, 0x200 the third). The caption is "信息：" when no title
// is given. Gives the button that closed it: OK 0, Cancel 1, Abort 2, Retry 3, Ignore 4,
// Yes 5, No 6.
int32_t InfoBox(const Text& message, int32_t flags, std::optional<Text> title = std::nullopt);

}  // namespace quorvella
