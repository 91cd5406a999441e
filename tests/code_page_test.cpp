#include "values/code_page.h"

#include <gtest/gtest.h>

#include "split/messages.h"
#include "test_support.h"
#include "values/fatal_messages.h"

namespace quorvella {
namespace {

using testing::G;
using testing::T;

TEST(CodePageTest, FixedTextsAreStoredAsTheirCodePageBytes) {
  EXPECT_EQ(kPartHeader, G("本书使用<Quorvella>分割"));
  EXPECT_EQ(kErrorTitle, G("错误！"));
  EXPECT_EQ(kNoBookMessage, G("请选择要分割的文件！"));
  EXPECT_EQ(kUnreadableBookMessage, G("无法读取要分割的文件！"));
  EXPECT_EQ(kNotPlainTextMessage, G("文件不是纯文本，无法分割！"));
  EXPECT_EQ(kBadCountMessage, G("请输入 1 到 10000 之间的分割份数！"));
  EXPECT_EQ(kWriteFailedMessage, G("以下文件写入失败："));
  EXPECT_EQ(kRuntimeErrorText, G("运行时出错!"));
  EXPECT_EQ(OutOfMemoryMessage(1048577), G("分配 1048577 字节内存失败!"));
}

TEST(CodePageTest, ConvertsBothWaysAndRefusesWhatDoesNotConvert) {
  EXPECT_EQ(G("淺"), T("\x9c\x5c"));
  EXPECT_EQ(ToUtf8(T("\xd6\xd0\xce\xc4")), "中文");
  EXPECT_EQ(ToUtf8(G("😀")), "😀");                // four-byte forms survive the round trip
  EXPECT_EQ(ToLocale(T("\x81")), std::nullopt);  // a lone first byte
  EXPECT_EQ(FromUtf8("\xff"), std::nullopt);
  EXPECT_EQ(ToLocale(Text()), "");
}

}  // namespace
}  // namespace quorvella
