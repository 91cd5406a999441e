#include "split/split_book.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include "fake_window.h"
#include "split/messages.h"
#include "test_support.h"
#include "values/files.h"
#include "values/text_operations.h"

namespace quorvella {
namespace {

using testing::FakeWindow;
using testing::G;
using testing::ReadFileBytes;
using testing::T;
using testing::TempDir;

const std::string kHeader(kPartHeader.view());
// Line breaks at positions 5, 15, 21 and 29.
const std::string kNovel = "AAAA\r\nBBBBBBBB\r\nCCCC\r\nDDDDDD\r\n";

using Files = std::map<std::string, std::string>;  // UTF-8 name to bytes

class SplitBookTest : public ::testing::Test {
 protected:
  void TearDown() override { CloseAllFiles(); }

  // Every file in the folder but the book, by name.
  Files Parts(const std::string& book_name = "novel.txt") const {
    Files parts;
    for (const std::string& name : dir_.Names()) {
      if (name != book_name) parts[name] = ReadFileBytes(dir_.path() / name);
    }
    return parts;
  }

  void RemoveParts() const {
    for (const auto& [name, bytes] : Parts()) std::filesystem::remove_all(dir_.path() / name);
  }

  Text Folder() const { return G(dir_.path().string() + "/"); }

  void ExpectSplitDone(const FakeWindow& window) const {
    EXPECT_TRUE(window.messages.empty());
    ASSERT_EQ(window.opened.size(), 1u);
    EXPECT_EQ(window.opened[0].first, 4);
    EXPECT_EQ(window.opened[0].second, Folder());
    EXPECT_EQ(window.book_box(), Folder());
  }

  void ExpectRefused(const FakeWindow& window, const Text& path, const Text& message) const {
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].first, message);
    EXPECT_EQ(window.messages[0].second, kErrorTitle);
    EXPECT_EQ(window.last_flags, 0);
    EXPECT_TRUE(window.opened.empty());
    EXPECT_EQ(window.path_writes, 0);
    EXPECT_EQ(window.book_box(), path);
  }

  TempDir dir_;
};

TEST_F(SplitBookTest, CutsTheExampleBookAtLineBreaksForEachCount) {
  const std::string h = kHeader;
  struct Case {
    const char* count;
    Files parts;
  } cases[] = {
      {"2", {{"novel1.txt", h + "AAAA\r\nBBBBBBBB"}, {"novel2.txt", "CCCC\r\nDDDDDD\r\n"}}},
      {"3",
       {{"novel1.txt", h + "AAAA\r\nBBBBBBBB"},
        {"novel2.txt", h + "\r\nCCCC"},
        {"novel3.txt", "DDDDDD\r\n"}}},
      {"4",
       {{"novel1.txt", h + "AAAA\r\nBBBBBBBB"},
        {"novel2.txt", h},
        {"novel3.txt", h + "\r\nCCCC"},
        {"novel4.txt", "DDDDDD\r\n"}}},
      {"5",
       {{"novel1.txt", h + "AAAA\r\nBBBBBBBB"},
        {"novel2.txt", h},
        {"novel3.txt", h + "\r\nCCCC"},
        {"novel4.txt", h + "\r\nDDDDDD"},
        {"novel5.txt", ""}}},
      {"1", {{"novel1.txt", h + kNovel}}},
      {" 3",
       {{"novel1.txt", h + "AAAA\r\nBBBBBBBB"},
        {"novel2.txt", h + "\r\nCCCC"},
        {"novel 3.txt", "DDDDDD\r\n"}}},
      {"３",
       {{"novel1.txt", h + "AAAA\r\nBBBBBBBB"},
        {"novel2.txt", h + "\r\nCCCC"},
        {"novel３.txt", "DDDDDD\r\n"}}},
      {"3abc",
       {{"novel1.txt", h + "AAAA\r\nBBBBBBBB"},
        {"novel2.txt", h + "\r\nCCCC"},
        {"novel3abc.txt", "DDDDDD\r\n"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.count);
    RemoveParts();
    FakeWindow window(dir_.Write("novel.txt", kNovel), G(c.count));
    SplitBook(window);
    ExpectSplitDone(window);
    EXPECT_EQ(Parts(), c.parts);
  }
}

TEST_F(SplitBookTest, NamesPartsFromThePathLessItsLastFourBytes) {
  FakeWindow dotted(dir_.Write("a.text", kNovel), T("2"));
  SplitBook(dotted);
  EXPECT_EQ(Parts("a.text"),
            (Files{{"a.1.txt", kHeader + "AAAA\r\nBBBBBBBB"}, {"a.2.txt", "CCCC\r\nDDDDDD\r\n"}}));
}

TEST_F(SplitBookTest, TwoByteFileNamesKeepTheirFolder) {
  // 淺 is 9C 5C: its second byte is a backslash, which must not be taken for a separator.
  FakeWindow window(dir_.Write("淺.txt", kNovel), T("2"));
  SplitBook(window);
  ExpectSplitDone(window);
  EXPECT_EQ(Parts("淺.txt"),
            (Files{{"淺1.txt", kHeader + "AAAA\r\nBBBBBBBB"}, {"淺2.txt", "CCCC\r\nDDDDDD\r\n"}}));
}

TEST_F(SplitBookTest, OverwritesExistingPartsAndLeavesTheBookAlone) {
  testing::WriteFileBytes(dir_.path() / "novel1.txt", std::string(500, 'x'));
  FakeWindow window(dir_.Write("novel.txt", kNovel), T("2"));
  SplitBook(window);
  EXPECT_EQ(ReadFileBytes(dir_.path() / "novel1.txt"), kHeader + "AAAA\r\nBBBBBBBB");
  EXPECT_EQ(ReadFileBytes(dir_.path() / "novel.txt"), kNovel);
}

TEST_F(SplitBookTest, AnEmptyPathIsReported) {
  FakeWindow window(Text(), T("3"));
  SplitBook(window);
  ExpectRefused(window, Text(), kNoBookMessage);
  EXPECT_TRUE(dir_.Names().empty());
}

TEST_F(SplitBookTest, CountsOutsideOneTo10000AreReported) {
  const Text book = dir_.Write("novel.txt", kNovel);
  for (const char* count : {"0", "", "abc", "-3", "10001", "2147483648"}) {
    SCOPED_TRACE(count);
    FakeWindow window(book, G(count));
    SplitBook(window);
    ExpectRefused(window, book, kBadCountMessage);
    EXPECT_TRUE(Parts().empty());
  }
  FakeWindow most(book, T("10000"));
  SplitBook(most);
  ExpectSplitDone(most);
  EXPECT_EQ(Parts().size(), 10000u);
}

TEST_F(SplitBookTest, BooksThatCannotBeReadAreReported) {
  std::filesystem::create_directory(dir_.path() / "books");
  const std::filesystem::path big = dir_.path() / "big.txt";
  testing::WriteFileBytes(big, "");
  std::filesystem::resize_file(big, std::uintmax_t{1} << 31);
  const Text books = G((dir_.path() / "books").string() + "/");
  for (const Text& path : {dir_.TextPath("missing.txt"), books, G(big.string())}) {
    SCOPED_TRACE(path.str());
    FakeWindow window(path, T("3"));
    SplitBook(window);
    ExpectRefused(window, path, kUnreadableBookMessage);
  }
  EXPECT_EQ(dir_.Names(), (std::vector<std::string>{"big.txt", "books"}));
}

TEST_F(SplitBookTest, ABookWithoutReadPermissionIsReported) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  const Text book = dir_.Write("novel.txt", kNovel);
  ASSERT_EQ(chmod((dir_.path() / "novel.txt").c_str(), 0200), 0);
  FakeWindow window(book, T("3"));
  SplitBook(window);
  ExpectRefused(window, book, kUnreadableBookMessage);
}

TEST_F(SplitBookTest, ReadOnlyBooksSplitAndAreClosedAfterwards) {
  const Text book = dir_.Write("novel.txt", kNovel);
  ASSERT_EQ(chmod((dir_.path() / "novel.txt").c_str(), 0444), 0);
  const auto open_files = [] {
    return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
  };
  const auto before = open_files();
  for (int run = 0; run < 3; ++run) {
    FakeWindow window(book, T("2"));
    SplitBook(window);
    ExpectSplitDone(window);
  }
  EXPECT_EQ(open_files(), before);
  EXPECT_EQ(Parts().size(), 2u);
}

TEST_F(SplitBookTest, BooksThatAreNotPlainTextAreReported) {
  const std::string refused[] = {
      std::string("\xff\xfe"
                  "A\0B\0",
                  6),  // UTF-16
      std::string("AB\0CD", 5),
      "AB\x1a"
      "CD\r\n",
      std::string("AB\x1a\0\x1a"
                  "C",
                  6),
      std::string("AB\xc4\0", 4),  // a first byte would be lost before the NUL
  };
  for (const std::string& bytes : refused) {
    const Text book = dir_.Write("novel.txt", bytes);
    FakeWindow window(book, T("2"));
    SplitBook(window);
    ExpectRefused(window, book, kNotPlainTextMessage);
    EXPECT_TRUE(Parts().empty());
  }
}

TEST_F(SplitBookTest, PaddingAfterTheTextIsLeftOutAndAFinalFirstByteKept) {
  struct Case {
    std::string bytes;
    Files parts;
  } cases[] = {
      {std::string("ABCD\r\nEF\r\n\x1a\x1a\0\0", 14),
       {{"novel1.txt", kHeader + "ABCD"}, {"novel2.txt", "EF\r\n"}}},
      {"AB\r\nCD\xc4", {{"novel1.txt", kHeader + "AB"}, {"novel2.txt", "CD\xc4"}}},
  };
  for (const Case& c : cases) {
    RemoveParts();
    FakeWindow window(dir_.Write("novel.txt", c.bytes), T("2"));
    SplitBook(window);
    ExpectSplitDone(window);
    EXPECT_EQ(Parts(), c.parts);
  }
}

TEST_F(SplitBookTest, APassThatFindsNoLineBreakTakesTheRestOfTheBook) {
  const std::string h = kHeader;
  struct Case {
    std::string book;
    const char* count;
    Files parts;
  } cases[] = {
      {"AAAA\r\nBBBB",
       "3",
       {{"novel1.txt", h + "AAAA"}, {"novel2.txt", h + "\r\nBBBB"}, {"novel3.txt", ""}}},
      {"ABCDEF", "3", {{"novel1.txt", h + "ABCDEF"}, {"novel2.txt", h}, {"novel3.txt", ""}}},
      {"ABCDEF", "1", {{"novel1.txt", h + "ABCDEF"}}},
      {"", "2", {{"novel1.txt", h}, {"novel2.txt", ""}}},
      // The last line break lies before the last pass's start.
      {"AB\r\nCDEFGHIJKL", "2", {{"novel1.txt", h + "AB\r\nCDEFGHIJKL"}, {"novel2.txt", ""}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.book + " / " + c.count);
    RemoveParts();
    FakeWindow window(dir_.Write("novel.txt", c.book), T(c.count));
    SplitBook(window);
    ExpectSplitDone(window);
    EXPECT_EQ(Parts(), c.parts);
  }
}

TEST_F(SplitBookTest, BooksWithBareLineFeedsAreCutAtThem) {
  const std::string h = kHeader;
  FakeWindow window(dir_.Write("novel.txt", "AAAA\nBBBBBBBB\nCCCC\nDDDDDD\n"), T("3"));
  SplitBook(window);
  ExpectSplitDone(window);
  EXPECT_EQ(Parts(), (Files{{"novel1.txt", h + "AAAA\nBBBBBBBB"},
                            {"novel2.txt", h + "\nCCCC"},
                            {"novel3.txt", "DDDDDD\n"}}));

  RemoveParts();
  // A single "\r\n" means the book has them: no cut at a bare "\n".
  FakeWindow mixed(dir_.Write("novel.txt", "AAAA\nBBBB\nCCCC\r\nDD"), T("2"));
  SplitBook(mixed);
  EXPECT_EQ(Parts(), (Files{{"novel1.txt", h + "AAAA\nBBBB\nCCCC"}, {"novel2.txt", "DD"}}));

  // Counting 1 keeps the final line feed.
  RemoveParts();
  FakeWindow one(dir_.Write("novel.txt", "AAAA\nBB\n"), T("1"));
  SplitBook(one);
  EXPECT_EQ(Parts(), (Files{{"novel1.txt", h + "AAAA\nBB\n"}}));
}

TEST_F(SplitBookTest, PartsThatCannotBeWrittenAreListedAndTheRestWritten) {
  const Text book = dir_.Write("novel.txt", kNovel);
  std::filesystem::create_directory(dir_.path() / "novel2.txt");
  FakeWindow window(book, T("3"));
  SplitBook(window);
  ExpectRefused(window, book,
                TextJoin({kWriteFailedMessage, T("\r\n"), dir_.TextPath("novel2.txt")}));
  EXPECT_EQ(ReadFileBytes(dir_.path() / "novel1.txt"), kHeader + "AAAA\r\nBBBBBBBB");
  EXPECT_EQ(ReadFileBytes(dir_.path() / "novel3.txt"), "DDDDDD\r\n");
}

TEST_F(SplitBookTest, APathWithoutAFolderOpensAndWritesTheEmptyFolder) {
  dir_.Write("novel.txt", kNovel);
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(dir_.path());
  FakeWindow window(T("novel.txt"), T("2"));
  SplitBook(window);
  std::filesystem::current_path(previous);
  ASSERT_EQ(window.opened.size(), 1u);
  EXPECT_EQ(window.opened[0].second, Text());
  EXPECT_EQ(window.book_box(), Text());
  EXPECT_EQ(Parts().size(), 2u);
}

}  // namespace
}  // namespace quorvella
