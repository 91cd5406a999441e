#include "cli/split_command.h"

#include <getopt.h>
#include <spawn.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "cli/terminal.h"
#include "split/messages.h"
#include "split/split_book.h"
#include "values/code_page.h"
#include "values/fatal_messages.h"
#include "values/text_operations.h"

extern char** environ;

namespace quorvella {
namespace {

constexpr const char* kProgram = "quorvella-split";

constexpr const char* kUsage =
    "Usage: quorvella-split [--open] BOOK COUNT\n"
    "Cut the plain-text book BOOK into COUNT parts (1 to 10000) at line ends.\n"
    "\n"
    "The parts are written beside the book: BOOK less its last 4 characters, then the part's\n"
    "number and \".txt\". Every part but the last begins with a one-line header; the last part\n"
    "is named with COUNT as typed. The book's folder is printed when the parts are written.\n"
    "\n"
    "  --open     open the book's folder in the file manager afterwards\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Exit status: 0 when the parts were written, 1 when the book could not be split,\n"
    "2 for a wrong command line, 255 when memory ran out.\n";

// The command line in the role of the window: the boxes hold the arguments, messages go to
// stderr and the folder to stdout.
class CommandLineWindow final : public SplitWindow {
 public:
  CommandLineWindow(Text book, Text count, bool open_folder)
      : book_(std::move(book)), count_(std::move(count)), open_folder_(open_folder) {}

  Text Read(Box box) override {
    switch (box) {
      case Box::编辑框1:
        return book_;
      case Box::编辑框2:
        return count_;
      case Box::编辑框3:
        break;
    }
    return "\r\n"_text;
  }

  void WriteBookPath(const Text& text) override {
    book_ = text;
    PrintLine(stdout, {ForTerminal(text)});
  }

  int32_t InfoBox(const Text& message, int32_t, const Text& title) override {
    reported_ = true;
    PrintLine(stderr, {kProgram, ": ", ForTerminal(title), " ", ForTerminal(message)});
    return 1;  // OK, the only button
  }

  void ShellOpen(int32_t operation, const Text& target) override {
    if (!open_folder_ || operation != 4) return;
    const std::optional<std::string> folder = ToLocale(target);
    if (!folder) return;
    char* const arguments[] = {const_cast<char*>("xdg-open"), const_cast<char*>(folder->c_str()),
                               nullptr};
    pid_t child = 0;
    // Not waited for: the file manager lives on after this program ends.
    const int error = posix_spawnp(&child, "xdg-open", nullptr, nullptr, arguments, environ);
    if (error != 0) {
      PrintLine(stderr, {kProgram, ": cannot start xdg-open: ", std::strerror(error)});
    }
  }

  bool reported() const { return reported_; }

 private:
  Text book_;
  Text count_;
  bool open_folder_;
  bool reported_ = false;
};

// BOOK as a text, made absolute against the current directory without resolving links.
std::optional<Text> BookPath(const char* argument) {
  const std::optional<Text> book = FromLocale(argument);
  if (!book || book->empty() || (*book)[0] == '/') return book;
  char* directory = getcwd(nullptr, 0);
  if (!directory) return std::nullopt;
  const std::optional<Text> current = FromLocale(directory);
  std::free(directory);
  if (!current) return std::nullopt;
  const bool ends_with_slash = !current->empty() && (*current)[current->size() - 1] == '/';
  return TextJoin({*current, ends_with_slash ? Text() : "/"_text, *book});
}

int Usage(const char* problem) {
  PrintLine(stderr, {kProgram, ": ", problem});
  PrintLine(stderr, {"Try 'quorvella-split --help' for more information."});
  return 2;
}

}  // namespace

int RunSplitCommand(int argc, char** argv) {
  static const option kOptions[] = {{"open", no_argument, nullptr, 'o'},
                                    {"help", no_argument, nullptr, 'h'},
                                    {"version", no_argument, nullptr, 'v'},
                                    {nullptr, 0, nullptr, 0}};
  bool open_folder = false;
  optind = 1;
  opterr = 0;
  // "+": options stop at the first operand, so a COUNT such as "-3" reaches the job as typed.
  for (int option; (option = getopt_long(argc, argv, "+", kOptions, nullptr)) != -1;) {
    switch (option) {
      case 'o':
        open_folder = true;
        break;
      case 'h':
        std::fputs(kUsage, stdout);
        return 0;
      case 'v':
        std::printf("%s (Quorvella) %s\n", kProgram, QUORVELLA_VERSION);
        return 0;
      default:
        return Usage((std::string("unknown option ") + argv[optind - 1]).c_str());
    }
  }
  if (argc - optind != 2) return Usage("expected BOOK and COUNT");

  const std::optional<Text> book = BookPath(argv[optind]);
  CommandLineWindow window(book.value_or(Text()), FromLocale(argv[optind + 1]).value_or(Text()),
                           open_folder);
  if (!book) {
    // A name that cannot be written in the book's code page names no file the job can read.
    window.InfoBox(kUnreadableBookMessage, 0, kErrorTitle);
    return 1;
  }
  SplitBook(window);
  return window.reported() ? 1 : 0;
}

void ExitOnOutOfMemory(int64_t bytes) {
  PrintLine(stderr, {kProgram, ": ", ForTerminal(kRuntimeErrorText), " ",
                     ForTerminal(OutOfMemoryMessage(bytes))});
  std::_Exit(255);
}

}  // namespace quorvella
