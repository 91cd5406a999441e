#pragma once

#include "values/text.h"

namespace quorvella {

// The notice in a page's text: what stands between the first "开始1" and the first "结束1" at
// or after the end of it. Without a start marker the notice is read from byte 4, the place the
// fixed marker length leads to; a missing end or a page without anything gives the empty text.
Text NoticeCaption(const Text& page);

}  // namespace quorvella
