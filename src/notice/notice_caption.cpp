#include "notice/notice_caption.h"

#include "values/numbers.h"
#include "values/text_operations.h"

namespace quorvella {
namespace {

const Text kStartMarker =
    "\xbf\xaa\xca\xbc"
    "1"_text;  // 开始1
const Text kEndMarker =
    "\xbd\xe1\xca\xf8"
    "1"_text;  // 结束1
// The byte length of the start marker, fixed rather than measured, as the page format has it.
constexpr int32_t kMarkerSkip = 5;

}  // namespace

Text NoticeCaption(const Text& page) {
  const int32_t start = TextFind(page, kStartMarker);
  const int32_t from = TruncToInt(static_cast<double>(start) + kMarkerSkip);
  const int32_t end = TextFind(page, kEndMarker, from);
  return TextMid(page, from, TruncToInt(static_cast<double>(end) - from));
}

}  // namespace quorvella
