#include "values/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "test_support.h"

namespace quorvella {
namespace {

using testing::G;
using testing::T;

TEST(NumbersTest, TextToIntReadsTheLeadingNumber) {
  struct Case {
    const char* utf8;
    int32_t expected;
  } cases[] = {
      {"", 0},
      {"3 ", 3},
      {" 3", 3},
      {"3abc", 3},
      {"-2", -2},
      {"+7", 7},
      {"0x10", 0},
      {"2.9", 2},
      {"abc", 0},
      {"１２", 12},
      {"－５", -5},
      {"　8", 8},
      {"\t\r\n 42", 42},
      {"+-3", 0},
      {"2147483647", 2147483647},
      {"2147483648", -2147483648},
      {"4294967299", 3},
      {"-2147483648", -2147483648},
      {"３", 3},
      {"１０ 份", 10},
      {"中3", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(TextToInt(G(c.utf8)), c.expected) << c.utf8;
}

TEST(NumbersTest, TextToIntFoldsOnlyTheListedWideForms) {
  EXPECT_EQ(TextToInt(T("\xa1\xa1\xa3\xab\x37")), 7);  // ideographic space, full-width +
  EXPECT_EQ(TextToInt(T("\xa1\xab\x37")), 0);          // a wide tilde is "~", not a blank
  EXPECT_EQ(TextToInt(T("\xa1\xee\x35")), 0);          // a star is "*"
  EXPECT_EQ(TextToInt(T("5\xa3")), 5);                 // a lead byte at the very end is dropped
  EXPECT_EQ(TextToInt(T("\xa3\xb1\xa3")), 1);
}

TEST(NumbersTest, IntToTextWritesPlainDecimals) {
  EXPECT_EQ(IntToText(0), T("0"));
  EXPECT_EQ(IntToText(-15), T("-15"));
  EXPECT_EQ(IntToText(2147483647), T("2147483647"));
  EXPECT_EQ(IntToText(-2147483647 - 1), T("-2147483648"));
}

TEST(NumbersTest, FloorToIntToleratesATinyShortfallBelowWholeNumbers) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double x;
    int32_t expected;
  } cases[] = {
      {10.0 / 3, 3},
      {2.9999999999995, 3},
      {2.99999999999, 2},
      {-2.5, -3},
      {-0.9999999999995, -1},
      {inf, 0},
      {-inf, 0},
      {std::nan(""), 0},
      {4294967301.5, 5},
      {30.0 / 3, 10},
      {0.0, 0},
      {1e30, 0},
      {-2147483648.0, -2147483647 - 1},
  };
  for (const Case& c : cases) EXPECT_EQ(FloorToInt(c.x), c.expected) << c.x;
}

TEST(NumbersTest, TruncToIntCutsTowardZero) {
  EXPECT_EQ(TruncToInt(-2.7), -2);
  EXPECT_EQ(TruncToInt(2.7), 2);
  EXPECT_EQ(TruncToInt(4294967301.0), 5);
  EXPECT_EQ(TruncToInt(std::nan("")), 0);
  EXPECT_EQ(TruncToInt(-std::numeric_limits<double>::infinity()), 0);
}

}  // namespace
}  // namespace quorvella
