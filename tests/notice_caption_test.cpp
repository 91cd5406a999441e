#include "notice/notice_caption.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace quorvella {
namespace {

using testing::G;
using testing::T;

TEST(NoticeCaptionTest, TakesWhatStandsBetweenTheMarkers) {
  struct Case {
    Text page, caption;
  } cases[] = {
      {G("<p>开始1欢迎使用结束1</p>"), G("欢迎使用")},
      {G("开始1结束1"), Text()},
      {G("开始1 no end"), Text()},
      {Text(), Text()},
      {G("ABCDEFG结束1"), T("DEFG")},  // no start marker: from byte 4
      {G("ABC结束1"), Text()},
      {T("no markers at all"), Text()},
      {G("开始1一开始1二结束1"), G("一开始1二")},  // the first start marker counts
      {G("结束1x开始1中结束1"), G("中")},          // an earlier end marker is passed over
      {T("\xe5\xbc\x80\xe5\xa7\x8b"
         "1UTF-8\xe7\xbb\x93\xe6\x9d\x9f"
         "1"),
       Text()},
  };
  for (const Case& c : cases) EXPECT_EQ(NoticeCaption(c.page), c.caption) << c.page.str();
}

}  // namespace
}  // namespace quorvella
