#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "fake_window.h"
#include "split/messages.h"
#include "split/split_book.h"
#include "test_support.h"
#include "values/files.h"

namespace quorvella {
namespace {

using testing::FakeWindow;
using testing::ReadFileBytes;
using testing::T;
using testing::TempDir;

// A random book of GBK characters: ASCII, two-byte characters (second bytes 0x40 to 0xFE,
// backslashes and bytes above 0x80 among them) and line ends, "\r\n" or, in some books, "\n".
std::string RandomBook(std::mt19937& random) {
  std::uniform_int_distribution<int> percent(0, 99);
  const bool bare_line_feeds = percent(random) < 20;
  const int line_end_percent = std::uniform_int_distribution<int>(1, 30)(random);
  const size_t size = std::uniform_int_distribution<size_t>(0, 3000)(random);
  std::string book;
  while (book.size() < size) {
    const int kind = percent(random);
    if (kind < line_end_percent) {
      book += bare_line_feeds ? "\n" : "\r\n";
    } else if (kind < 75) {
      book.push_back(static_cast<char>(std::uniform_int_distribution<int>(0x81, 0xFE)(random)));
      int trail = std::uniform_int_distribution<int>(0x40, 0xFE)(random);
      if (trail == 0x7F) trail = 0x5C;
      book.push_back(static_cast<char>(trail));
    } else {
      book.push_back(static_cast<char>(std::uniform_int_distribution<int>(0x20, 0x7E)(random)));
    }
  }
  return book;
}

// Whatever the book and the count, the parts without their headers, with the one line break
// left out between the last two put back, give the book byte for byte.
TEST(SplitPropertyTest, PartsGiveBackTheBookByteForByte) {
  const std::string header(kPartHeader.view());
  std::mt19937 random(1211);
  for (int round = 0; round < 400; ++round) {
    TempDir dir;
    const std::string book = RandomBook(random);
    const int count = round % 5 == 0 ? std::uniform_int_distribution<int>(1, 400)(random)
                                     : std::uniform_int_distribution<int>(1, 40)(random);
    SCOPED_TRACE("round " + std::to_string(round) + ", count " + std::to_string(count));
    FakeWindow window(dir.Write("book.txt", book), T(std::to_string(count)));
    SplitBook(window);
    ASSERT_TRUE(window.messages.empty());

    std::string joined;
    for (int i = 1; i < count; ++i) {
      const std::string part = ReadFileBytes(dir.path() / ("book" + std::to_string(i) + ".txt"));
      ASSERT_EQ(part.substr(0, header.size()), header) << "part " << i;
      joined += part.substr(header.size());
    }
    const std::string last = ReadFileBytes(dir.path() / ("book" + std::to_string(count) + ".txt"));
    if (count == 1) {
      ASSERT_EQ(last, header + book);
      continue;
    }
    ASSERT_EQ(dir.Names().size(), static_cast<size_t>(count) + 1);
    ASSERT_LE(joined.size() + last.size(), book.size());
    ASSERT_EQ(book.substr(0, joined.size()), joined);
    ASSERT_EQ(book.substr(book.size() - last.size()), last);
    const std::string dropped =
        book.substr(joined.size(), book.size() - joined.size() - last.size());
    if (dropped.empty()) {
      EXPECT_TRUE(last.empty());  // the book ran out before the last part
    } else {
      EXPECT_TRUE(dropped == "\r\n" || (dropped == "\n" && book.find("\r\n") == std::string::npos))
          << "left out: " << dropped.size() << " bytes";
    }
    CloseAllFiles();
  }
}

}  // namespace
}  // namespace quorvella
