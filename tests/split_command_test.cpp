#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "cli/split_command.h"
#include "split/messages.h"
#include "test_support.h"

namespace quorvella {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

struct Outcome {
  int status;
  std::string out, err;
};

std::string Quote(const std::string& argument) {
  std::string quoted = "'";
  for (char c : argument) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Runs quorvella-split in `directory` with `arguments` (shell-quoted here).
Outcome RunSplit(const std::filesystem::path& directory,
                 std::initializer_list<std::string> arguments,
                 const std::string& environment = "LC_ALL=C.UTF-8") {
  std::string command =
      "cd " + Quote(directory.string()) + " && " + environment + " " + Quote(QUORVELLA_SPLIT_PATH);
  for (const std::string& argument : arguments) command += " " + Quote(argument);
  const std::filesystem::path err = directory / ".stderr";
  command += " 2>" + Quote(err.string());
  Outcome run{};
  FILE* pipe = popen(command.c_str(), "r");
  std::array<char, 4096> buffer{};
  for (size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
    run.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = ReadFileBytes(err);
  std::filesystem::remove(err);
  return run;
}

const std::string kNovel = "AAAA\r\nBBBBBBBB\r\nCCCC\r\nDDDDDD\r\n";

TEST(SplitCommandTest, SplitsARelativeBookAndPrintsItsFolder) {
  TempDir dir;
  std::filesystem::create_directory(dir.path() / "书");
  WriteFileBytes(dir.path() / "书" / "淺.txt", kNovel);
  const Outcome run = RunSplit(dir.path(), {"书/淺.txt", "３"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, dir.path().string() + "/书/\n");
  EXPECT_EQ(run.err, "");
  const std::string header(kPartHeader.view());
  EXPECT_EQ(ReadFileBytes(dir.path() / "书" / "淺1.txt"), header + "AAAA\r\nBBBBBBBB");
  EXPECT_EQ(ReadFileBytes(dir.path() / "书" / "淺2.txt"), header + "\r\nCCCC");
  EXPECT_EQ(ReadFileBytes(dir.path() / "书" / "淺３.txt"), "DDDDDD\r\n");
}

TEST(SplitCommandTest, ReportsProblemsOnStderrWithStatusOne) {
  TempDir dir;
  WriteFileBytes(dir.path() / "novel.txt", kNovel);
  WriteFileBytes(dir.path() / "wide.txt", std::string("\xff\xfe"
                                                      "A\0B\0",
                                                      6));
  struct Case {
    std::string book, count, message;
  } cases[] = {
      {"novel.txt", "0", "错误！ 请输入 1 到 10000 之间的分割份数！"},
      {"novel.txt", "-3", "错误！ 请输入 1 到 10000 之间的分割份数！"},
      {"missing.txt", "3", "错误！ 无法读取要分割的文件！"},
      {"wide.txt", "3", "错误！ 文件不是纯文本，无法分割！"},
      {"", "3", "错误！ 请选择要分割的文件！"},
  };
  for (const Case& c : cases) {
    const Outcome run = RunSplit(dir.path(), {c.book, c.count});
    EXPECT_EQ(run.status, 1) << c.book << " " << c.count;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "quorvella-split: " + c.message + "\n");
  }
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"novel.txt", "wide.txt"}));
}

TEST(SplitCommandTest, ListsPartsThatCouldNotBeWritten) {
  TempDir dir;
  WriteFileBytes(dir.path() / "novel.txt", kNovel);
  std::filesystem::create_directory(dir.path() / "novel1.txt");
  const Outcome run = RunSplit(dir.path(), {"novel.txt", "2"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "quorvella-split: 错误！ 以下文件写入失败：\n" + dir.path().string() + "/novel1.txt\n");
  EXPECT_EQ(ReadFileBytes(dir.path() / "novel2.txt"), "CCCC\r\nDDDDDD\r\n");
}

TEST(SplitCommandTest, WorksInTheCLocaleWithUtf8Names) {
  TempDir dir;
  WriteFileBytes(dir.path() / "淺.txt", kNovel);
  const Outcome run = RunSplit(dir.path(), {"淺.txt", "2"}, "LC_ALL=C");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "淺2.txt"));
}

TEST(SplitCommandTest, HandlesItsCommandLine) {
  TempDir dir;
  WriteFileBytes(dir.path() / "-novel.txt", kNovel);
  EXPECT_EQ(RunSplit(dir.path(), {"--", "-novel.txt", "2"}).status, 0);
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "-novel2.txt"));

  const Outcome help = RunSplit(dir.path(), {"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Usage: quorvella-split [--open] BOOK COUNT"), std::string::npos);
  const Outcome version = RunSplit(dir.path(), {"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "quorvella-split (Quorvella) 3.3\n");
  for (auto arguments : {std::initializer_list<std::string>{"only-book.txt"},
                         std::initializer_list<std::string>{"--bogus", "a.txt", "2"},
                         std::initializer_list<std::string>{"a.txt", "2", "extra"}}) {
    const Outcome wrong = RunSplit(dir.path(), arguments);
    EXPECT_EQ(wrong.status, 2);
    EXPECT_NE(wrong.err.find("--help"), std::string::npos);
  }
}

TEST(SplitCommandTest, OpensTheFolderOnlyWhenAsked) {
  TempDir dir;
  WriteFileBytes(dir.path() / "novel.txt", kNovel);
  // A stand-in for xdg-open that records what it was asked to open.
  std::filesystem::create_directory(dir.path() / "bin");
  const std::filesystem::path opener = dir.path() / "bin" / "xdg-open";
  WriteFileBytes(opener, "#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"$(dirname \"$0\")/opened\"\n");
  std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
  const std::string path =
      "PATH=" + (dir.path() / "bin").string() + ":/usr/bin:/bin LC_ALL=C.UTF-8";
  const std::filesystem::path opened = dir.path() / "bin" / "opened";

  EXPECT_EQ(RunSplit(dir.path(), {"novel.txt", "2"}, path).status, 0);
  EXPECT_EQ(RunSplit(dir.path(), {"--open", "novel.txt", "2"}, path).status, 0);
  for (int wait = 0; wait < 100 && !std::filesystem::exists(opened); ++wait) usleep(20000);
  EXPECT_EQ(ReadFileBytes(opened), dir.path().string() + "/\n");
}

TEST(SplitCommandDeathTest, RunningOutOfMemoryEndsWithStatus255) {
  EXPECT_EXIT(ExitOnOutOfMemory(123456), ::testing::ExitedWithCode(255),
              "运行时出错! 分配 123456 字节内存失败!");
}

}  // namespace
}  // namespace quorvella
