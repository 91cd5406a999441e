#include "split/cut_finder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "test_support.h"
#include "values/text_operations.h"

namespace quorvella {
namespace {

using testing::T;

// Books of long lines of two-byte characters whose second bytes are often 0x80 or above, so
// that searches starting inside a line run out of step with the characters.
std::string LongLineBook(std::mt19937& random) {
  std::uniform_int_distribution<int> percent(0, 99);
  const int ascii_percent = std::uniform_int_distribution<int>(0, 20)(random);
  const size_t size = std::uniform_int_distribution<size_t>(0, 4000)(random);
  std::string book;
  while (book.size() < size) {
    const int kind = percent(random);
    if (kind < 2) {
      book += "\r\n";
    } else if (kind < 2 + ascii_percent) {
      book.push_back('a');
    } else {
      book.push_back(static_cast<char>(std::uniform_int_distribution<int>(0x81, 0xFE)(random)));
      book.push_back(static_cast<char>(std::uniform_int_distribution<int>(0x80, 0xFE)(random)));
    }
  }
  return book;
}

// At every pass of a split, the cut found must be the one a plain search gives, with a
// separator before the previous cut counting as the previous cut.
TEST(CutFinderTest, GivesThePlainSearchesCuts) {
  std::mt19937 random(77);
  const Text separator = T("\r\n");
  for (int round = 0; round < 3000; ++round) {
    const Text book = T(LongLineBook(random));
    const int32_t count = std::uniform_int_distribution<int32_t>(2, 300)(random);
    const int32_t size = TextLen(book) / count;
    CutFinder finder(book, separator);
    int32_t prev = 1;
    for (int32_t i = 1; i < count; ++i) {
      const int32_t start = size * i;
      int32_t expected = TextFind(book, separator, start);
      if (expected != -1 && expected < prev) expected = prev;
      ASSERT_EQ(finder.Find(start, prev), expected) << "round " << round << ", pass " << i;
      if (expected == -1) break;
      prev = expected;
    }
  }
}

}  // namespace
}  // namespace quorvella
