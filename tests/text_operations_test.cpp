#include "values/text_operations.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

#include "test_support.h"

namespace quorvella {
namespace {

using testing::G;
using testing::T;

TEST(TextTest, EmptyAndDefaultAreTheSameAndZeroBytesNeverEnter) {
  EXPECT_EQ(Text(), T(""));
  EXPECT_EQ(Text::Copy(std::string("AB\0C", 4)), T("AB"));
  EXPECT_EQ(Text::Copy(std::string("\0AB", 3)), Text());
  EXPECT_EQ(TextLen(Text::Literal("xy\0z", 4)), 2);
}

TEST(TextTest, CompareIsUnsignedBytewiseWithPrefixesSmaller) {
  struct Case {
    Text a, b;
    int32_t expected;
  } cases[] = {
      {Text(), T(""), 0},      {T("ab"), T("abc"), -1}, {T("abc"), T("ab"), 1},
      {T("\x80"), T("a"), 1},  {T("a"), T("\xff"), -1}, {T("abc"), T("abc"), 0},
      {T("abd"), T("abc"), 1}, {Text(), T("a"), -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TextCompare(c.a, c.b), c.expected) << c.a.str() << " vs " << c.b.str();
  }
}

TEST(TextTest, JoinConcatenatesAndSkipsEmptyTexts) {
  EXPECT_EQ(TextJoin({T("ab"), Text(), T("c"), T("")}), T("abc"));
  EXPECT_EQ(TextJoin({Text()}), Text());
}

TEST(TextTest, LeftRightMidCutAtTheirEdgesAndNeverMoveAStartIntoRange) {
  const Text abcdef = T("abcdef");
  EXPECT_EQ(TextLeft(T("abc"), 0), Text());
  EXPECT_EQ(TextLeft(T("abc"), -1), Text());
  EXPECT_EQ(TextLeft(T("abc"), 5), T("abc"));
  EXPECT_EQ(TextLeft(abcdef, 2), T("ab"));
  EXPECT_EQ(TextRight(abcdef, 2), T("ef"));
  EXPECT_EQ(TextRight(T("abc"), 9), T("abc"));
  EXPECT_EQ(TextRight(T("abc"), -2), Text());
  EXPECT_EQ(TextMid(abcdef, 0, 2), Text());
  EXPECT_EQ(TextMid(abcdef, -1, 5), Text());
  EXPECT_EQ(TextMid(abcdef, 5, 10), T("ef"));
  EXPECT_EQ(TextMid(abcdef, 7, 1), Text());
  EXPECT_EQ(TextMid(abcdef, 2, 0), Text());
  EXPECT_EQ(TextMid(abcdef, 2, 3), T("bcd"));
  EXPECT_EQ(TextMid(abcdef, 1, 2147483647), abcdef);
}

TEST(TextTest, CutsOutliveTheTextTheyWereCutFrom) {
  Text part;
  {
    const Text whole = TextJoin({T("left|"), T("right")});
    part = TextRight(whole, 5);
  }
  EXPECT_EQ(part, T("right"));
}

struct FindCase {
  Text text, needle;
  std::optional<int32_t> start;
  int32_t first, last;  // TextFind and TextFindLast with the same start
};

TEST(TextTest, FindAndFindLastFollowTheirWindows) {
  const FindCase cases[] = {
      {T("abcabc"), T("bc"), std::nullopt, 2, 5}, {T("abcabc"), T("bc"), 3, 5, -1},
      {T("abcabc"), T("bc"), 0, 2, -1},           {T("abcabc"), T("bc"), -5, 2, -1},
      {T("abcabc"), T("bc"), 6, -1, 2},           {T("abcabc"), T("bc"), 7, -1, 5},
      {T("abc"), T(""), std::nullopt, 1, 1},      {T("abc"), T(""), 9, -1, 1},
      {T(""), T(""), std::nullopt, -1, -1},       {T("a\\b\\c"), T("\\"), std::nullopt, 2, 4},
      {T("a\\b\\c"), T("\\"), 4, 4, 2},           {T("a\\b\\c"), T("\\"), 1, 2, -1},
      {T("abc"), T("x"), std::nullopt, -1, -1},   {T("abc"), T("abcd"), std::nullopt, -1, -1},
  };
  for (const FindCase& c : cases) {
    const std::string label = c.text.str() + " / " + c.needle.str() + " from " +
                              (c.start ? std::to_string(*c.start) : std::string("-"));
    EXPECT_EQ(TextFind(c.text, c.needle, c.start), c.first) << label;
    EXPECT_EQ(TextFindLast(c.text, c.needle, c.start), c.last) << label;
  }
}

TEST(TextTest, SearchesStepOverTwoByteCharacters) {
  const Text chinese_line = T("\xd6\xd0\xce\xc4\r\n");  // 中文 and a line break
  EXPECT_EQ(TextFind(chinese_line, T("\r\n"), 1), 5);
  EXPECT_EQ(TextFind(chinese_line, T("\r\n"), 2), -1);  // pairs D0 CE, then C4 0D
  EXPECT_EQ(TextFind(chinese_line, T("\r\n"), 3), 5);
  EXPECT_EQ(TextFind(chinese_line, T("\n"), 2), 6);  // back in step at the 0A

  const Text path = G("D:\\books\\淺.txt");  // 淺 is 9C 5C
  EXPECT_EQ(TextFindLast(path, T("\\")), 9);
  EXPECT_EQ(TextFind(path, T("\\"), 10), -1);
  EXPECT_EQ(TextFind(path, T("\\\x2e"), 10), -1);
  // A byte of 0x80 or above hides the byte after it, whatever that byte is.
  EXPECT_EQ(TextFind(T("\x81\r"), T("\r")), -1);
  EXPECT_EQ(TextFind(T("\x81\r"), T("\r"), 2), 2);
  EXPECT_EQ(TextFindLast(T("\x81\ra\r"), T("\r")), 4);
}

TEST(TextTest, IgnoreCaseFoldsAsciiLettersOnly) {
  EXPECT_EQ(TextFind(T("xxABCabc"), T("abc"), std::nullopt, true), 3);
  EXPECT_EQ(TextFindLast(T("xxABCabc"), T("ABC"), std::nullopt, true), 6);
  EXPECT_EQ(TextFind(T("xxABC"), T("abc")), -1);
  EXPECT_EQ(TextFind(T("\xc1"), T("\xe1"), std::nullopt, true), -1);
}

// Case folding changes nothing on texts without letters, so the search with ignore-case and
// the one without must agree there, whichever way each is carried out.
TEST(TextTest, FindAgreesWithTheCaseFoldingScanOnRandomTwoByteTexts) {
  std::mt19937 random(20261211);
  const char alphabet[] = {'\r', '\n', '\\', '1', ' ', '\x81', '\xa3', '\xc4', '\xd6', '\x0d'};
  std::uniform_int_distribution<int> pick(0, sizeof(alphabet) - 1);
  std::uniform_int_distribution<int> length(0, 40);
  for (int round = 0; round < 20000; ++round) {
    std::string text(static_cast<size_t>(length(random)), ' ');
    for (char& byte : text) byte = alphabet[pick(random)];
    std::string needle(static_cast<size_t>(1 + round % 3), ' ');
    for (char& byte : needle) byte = alphabet[pick(random)];
    const int32_t start = std::uniform_int_distribution<int>(-1, 42)(random);
    EXPECT_EQ(TextFind(T(text), T(needle), start), TextFind(T(text), T(needle), start, true))
        << "round " << round;
  }
}

}  // namespace
}  // namespace quorvella
