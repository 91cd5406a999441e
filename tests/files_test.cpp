#include "values/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "test_support.h"
#include "values/byte_set.h"

namespace quorvella {
namespace {

using testing::G;
using testing::ReadFileBytes;
using testing::T;
using testing::TempDir;

class FilesTest : public ::testing::Test {
 protected:
  void TearDown() override { CloseAllFiles(); }
  TempDir dir_;
};

TEST(ByteSetTest, ConvertsWithoutAnyCodePageConversion) {
  EXPECT_TRUE(TextToBytes(Text()).empty());
  EXPECT_EQ(TextToBytes(T("ab")).view(), "ab");
  EXPECT_EQ(BytesToText(ByteSet::Copy(std::string("AB\0C", 4))), T("AB"));
  EXPECT_EQ(BytesToText(ByteSet::Copy(std::string("\xff\xfe"
                                                  "A\0",
                                                  4))),
            T("\xff\xfe"
              "A"));
  EXPECT_EQ(BytesToText(ByteSet::Copy(std::string("\0A", 2))), Text());
  EXPECT_EQ(BytesToText(ByteSet()), Text());
}

TEST_F(FilesTest, ReadTextEndsAtTheFirstNulOrCtrlZThatBeginsACharacter) {
  struct Case {
    std::string bytes, text;
  } cases[] = {
      {"AB\x1a"
       "CD",
       "AB"},
      {std::string("A\xc4\0B", 4), "A"},  // a first byte followed by NUL is dropped
      {"A\xc4\x1a"
       "B",
       "A\xc4\x1a"
       "B"},               // a second byte is never taken for Ctrl-Z
      {"A\xc4", "A\xc4"},  // a lone first byte at the end is kept
      {std::string("\xff\xfe"
                   "A\0B\0",
                   6),
       "\xff\xfe"
       "A"},  // UTF-16
      {"", ""},
      {"one\r\ntwo\r\n", "one\r\ntwo\r\n"},
      {"\x81\x81\x81\x1a\x1a", "\x81\x81\x81\x1a"},  // pairing counts from the first byte
  };
  for (const Case& c : cases) {
    const FileNumber file = FileOpen(dir_.Write("book.txt", c.bytes));
    ASSERT_NE(file, 0);
    EXPECT_EQ(FileReadText(file), T(c.text)) << c.bytes;
  }
}

TEST_F(FilesTest, ReadTextMovesThePositionToWhereItStopped) {
  const FileNumber file = FileOpen(dir_.Write("book.txt", "ABCDE"));
  EXPECT_EQ(FileReadText(file, 2), T("AB"));
  EXPECT_EQ(FileReadText(file), T("CDE"));
  EXPECT_EQ(FileReadText(file), Text());

  const FileNumber stopped = FileOpen(dir_.Write("stopped.txt",
                                                 "AB\x1a"
                                                 "CD"));
  EXPECT_EQ(FileReadText(stopped), T("AB"));
  EXPECT_EQ(FileReadText(stopped), Text());  // the Ctrl-Z is neither returned nor consumed
}

TEST_F(FilesTest, ReadTextOfNoFileOrNoBytesIsEmpty) {
  const FileNumber file = FileOpen(dir_.Write("book.txt", "ABC"));
  EXPECT_EQ(FileReadText(file, 0), Text());
  EXPECT_EQ(FileReadText(file, -1), Text());
  EXPECT_EQ(FileReadText(0), Text());
  EXPECT_EQ(FileReadText(file + 1000), Text());
  EXPECT_EQ(FileReadText(file), T("ABC"));
  FileClose(file);
  EXPECT_EQ(FileReadText(file), Text());
}

TEST_F(FilesTest, OpenRefusesBadModesFoldersAndMissingFiles) {
  const Text book = dir_.Write("book.txt", "x");
  const Text missing = dir_.TextPath("missing.txt");
  EXPECT_EQ(FileOpen(Text()), 0);
  EXPECT_EQ(FileOpen(book, 0), 0);
  EXPECT_EQ(FileOpen(book, 7), 0);
  EXPECT_EQ(FileOpen(book, 1, 0), 0);
  EXPECT_EQ(FileOpen(book, 1, 5), 0);
  for (int32_t share = 1; share <= 4; ++share) EXPECT_NE(FileOpen(book, 3, share), 0) << share;
  for (int32_t access = 1; access <= 6; ++access) {
    EXPECT_EQ(FileOpen(G(dir_.path().string()), access), 0) << "folder, access " << access;
  }
  for (int32_t access = 1; access <= 3; ++access) EXPECT_EQ(FileOpen(missing, access), 0);
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "missing.txt"));
  EXPECT_EQ(FileOpen(T("\x81")), 0);  // a name that is no text of the code page
}

TEST_F(FilesTest, OpenModesCreateEmptyOrKeepAsAsked) {
  EXPECT_NE(FileOpen(dir_.TextPath("four.txt"), 4), 0);
  EXPECT_TRUE(std::filesystem::exists(dir_.path() / "four.txt"));
  EXPECT_NE(FileOpen(dir_.Write("emptied.txt", "old"), 4), 0);
  EXPECT_EQ(ReadFileBytes(dir_.path() / "emptied.txt"), "");
  EXPECT_NE(FileOpen(dir_.Write("kept.txt", "old"), 5), 0);
  EXPECT_EQ(ReadFileBytes(dir_.path() / "kept.txt"), "old");
  const FileNumber six = FileOpen(dir_.TextPath("six.txt"), 6);
  EXPECT_NE(six, 0);
  EXPECT_EQ(FileReadText(six), Text());
}

TEST_F(FilesTest, AFileMarkedReadOnlyOpensForReadingOnly) {
  const Text book = dir_.Write("book.txt", "read me");
  ASSERT_EQ(chmod((dir_.path() / "book.txt").c_str(), 0444), 0);
  EXPECT_EQ(FileOpen(book), 0);
  EXPECT_EQ(FileOpen(book, 2), 0);
  EXPECT_EQ(FileReadText(FileOpen(book)), Text());
  EXPECT_FALSE(FileWrite(book, {ByteSet::Copy("x")}));
  EXPECT_EQ(ReadFileBytes(dir_.path() / "book.txt"), "read me");
  EXPECT_EQ(FileReadText(FileOpen(book, 1)), T("read me"));
}

TEST_F(FilesTest, WriteReplacesTheWholeContent) {
  const Text name = dir_.Write("part.txt", "a much longer old content");
  EXPECT_TRUE(
      FileWrite(name, {ByteSet::Copy("new"), ByteSet(), ByteSet::Copy(std::string("\0!", 2))}));
  EXPECT_EQ(ReadFileBytes(dir_.path() / "part.txt"), std::string("new\0!", 5));
  EXPECT_TRUE(FileWrite(name, {ByteSet()}));
  EXPECT_EQ(ReadFileBytes(dir_.path() / "part.txt"), "");
  EXPECT_TRUE(FileWrite(dir_.TextPath("fresh.txt"), {}));
  EXPECT_TRUE(std::filesystem::exists(dir_.path() / "fresh.txt"));
}

TEST_F(FilesTest, WriteFailsWithoutTouchingAnythingElse) {
  EXPECT_FALSE(FileWrite(Text(), {ByteSet::Copy("x")}));
  EXPECT_FALSE(FileWrite(dir_.TextPath("no-such-folder/part.txt"), {ByteSet::Copy("x")}));
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "no-such-folder"));
  std::filesystem::create_directory(dir_.path() / "folder.txt");
  EXPECT_FALSE(FileWrite(dir_.TextPath("folder.txt"), {ByteSet::Copy("x")}));
  EXPECT_FALSE(FileWrite(T("\x81"), {ByteSet::Copy("x")}));
}

TEST_F(FilesTest, AFileWhoseTextIsHeldIsNotRewrittenUnderIt) {
  const Text name = dir_.Write("book.txt", "the book");
  Text held = FileReadText(FileOpen(name, 1));
  CloseAllFiles();
  EXPECT_FALSE(FileWrite(name, {ByteSet::Copy("overwritten")}));
  EXPECT_EQ(held, T("the book"));
  held = Text();
  EXPECT_TRUE(FileWrite(name, {ByteSet::Copy("overwritten")}));
}

TEST_F(FilesTest, NamesCrossToTheFileSystemInItsEncoding) {
  const Text name = dir_.TextPath("淺.txt");
  ASSERT_EQ(name.view().substr(name.view().size() - 6), "\x9c\x5c.txt");
  EXPECT_TRUE(FileWrite(name, {ByteSet::Copy("\xd6\xd0")}));
  EXPECT_EQ(ReadFileBytes(dir_.path() / "淺.txt"), "\xd6\xd0");
  EXPECT_EQ(FileReadText(FileOpen(name)), T("\xd6\xd0"));
}

TEST_F(FilesTest, CloseAllFilesForgetsEveryNumber) {
  const FileNumber first = FileOpen(dir_.Write("a.txt", "a"));
  const FileNumber second = FileOpen(dir_.Write("b.txt", "b"));
  EXPECT_NE(first, second);
  CloseAllFiles();
  EXPECT_EQ(FileReadText(first), Text());
  EXPECT_EQ(FileReadText(second), Text());
}

// Large files are looked through in pieces on several threads; the pairing of characters must
// still count from the file's first byte. Every byte here is a first byte but the markers, so
// a marker at an odd offset is a second byte and does not end the text.
TEST_F(FilesTest, LargeFilesEndWhereTheirFirstEndingByteIs) {
  constexpr size_t kMiB = 1 << 20;
  struct Case {
    std::vector<std::pair<size_t, char>> markers;
    size_t text_size;
  } cases[] = {
      {{{40 * kMiB + 1, '\x1a'}, {60 * kMiB, '\x1a'}, {70 * kMiB, '\x1a'}}, 60 * kMiB},
      {{{50 * kMiB + 1, '\0'}}, 50 * kMiB},  // the first byte before the NUL is dropped
      {{{50 * kMiB, '\0'}, {75 * kMiB, '\x1a'}}, 50 * kMiB},
      {{{40 * kMiB + 2, '\x1a'}}, 40 * kMiB + 2},  // just past the middle, which is odd
      {{{79 * kMiB + 1, '\x1a'}}, 80 * kMiB + 2},
  };
  for (const Case& c : cases) {
    std::string bytes(80 * kMiB + 2, '\x81');
    for (const auto& [offset, byte] : c.markers) bytes[offset] = byte;
    const FileNumber file = FileOpen(dir_.Write("large.txt", bytes));
    EXPECT_EQ(static_cast<size_t>(FileReadText(file).size()), c.text_size);
    CloseAllFiles();
  }
}

TEST_F(FilesTest, BooksOf2GiBOrMoreCannotBeRead) {
  const std::filesystem::path big = dir_.path() / "big.txt";
  testing::WriteFileBytes(big, "");
  std::filesystem::resize_file(big, std::uintmax_t{1} << 31);  // sparse: takes no disk space
  const FileNumber file = FileOpen(G(big.string()), 1);
  ASSERT_NE(file, 0);
  EXPECT_FALSE(FileReadAll(file).has_value());
  EXPECT_EQ(FileReadText(file), Text());
}

}  // namespace
}  // namespace quorvella
