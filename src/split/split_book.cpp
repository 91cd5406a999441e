#include "split/split_book.h"

#include <algorithm>
#include <atomic>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "split/messages.h"
#include "split/split_plan.h"
#include "values/byte_set.h"
#include "values/files.h"
#include "values/numbers.h"
#include "values/plain_text.h"
#include "values/text_operations.h"

namespace quorvella {
namespace {

constexpr int32_t kMostParts = 10000;
constexpr size_t kMostWriters = 4;

struct Book {
  Text text;
  Text problem;  // why the book cannot be split; empty when it can
};

Book ReadBook(const Text& path) {
  const FileNumber number = FileOpen(path, 1);
  if (number == 0) return {{}, kUnreadableBookMessage};
  const std::optional<ByteSet> bytes = FileReadAll(number);
  FileClose(number);
  if (!bytes) return {{}, kUnreadableBookMessage};
  const std::optional<PlainTextEnd> end = FindPlainTextEnd(bytes->bytes());
  if (!end) return {{}, kUnreadableBookMessage};
  // Ctrl-Z or NUL padding may follow the text; anything else after its end would be lost.
  for (char byte : bytes->view().substr(static_cast<size_t>(end->text_size))) {
    if (byte != 0x00 && byte != 0x1A) return {{}, kNotPlainTextMessage};
  }
  return {Text::AdoptZeroFree(bytes->bytes().Slice(0, end->text_size)), {}};
}

// Writes every part, on as many threads as there are cores (up to four): writing is most of a
// split's work and the parts are files of their own. Gives the names that could not be written,
// each after "\r\n", in the parts' order.
std::string WriteParts(const std::vector<PartFile>& parts) {
  std::vector<char> written(parts.size(), 0);
  std::atomic<size_t> next{0};
  const auto write_parts = [&] {
    for (size_t i; (i = next.fetch_add(1)) < parts.size();) {
      const ByteSet header = TextToBytes(parts[i].with_header ? kPartHeader : Text());
      written[i] = FileWrite(parts[i].name, {header, TextToBytes(parts[i].content)});
    }
  };
  const size_t helpers =
      std::min<size_t>({std::thread::hardware_concurrency(), kMostWriters, parts.size()});
  std::vector<std::thread> threads;
  for (size_t i = 1; i < helpers; ++i) threads.emplace_back(write_parts);
  write_parts();
  for (std::thread& thread : threads) thread.join();

  std::string failed;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (!written[i]) failed.append("\r\n").append(parts[i].name.view());
  }
  return failed;
}

// Books saved with bare "\n" line ends have no "\r\n" to cut at: they are cut at "\n".
Text SeparatorFor(const Text& book, const Text& separator) {
  if (TextCompare(separator, "\r\n"_text) == 0 && TextFind(book, "\r\n"_text) == -1 &&
      TextFind(book, "\n"_text) != -1) {
    return "\n"_text;
  }
  return separator;
}

}  // namespace

void SplitBook(SplitWindow& window) {
  const Text path = window.Read(Box::编辑框1);
  if (TextCompare(path, Text()) == 0) {
    window.InfoBox(kNoBookMessage, 0, kErrorTitle);
    return;
  }
  const Text count_as_typed = window.Read(Box::编辑框2);
  const int32_t count = TextToInt(count_as_typed);
  if (count < 1 || count > kMostParts) {
    window.InfoBox(kBadCountMessage, 0, kErrorTitle);
    return;
  }
  const Book book = ReadBook(path);
  if (!book.problem.empty()) {
    window.InfoBox(book.problem, 0, kErrorTitle);
    return;
  }
  const Text separator = SeparatorFor(book.text, window.Read(Box::编辑框3));
  const Text stem = TextLeft(path, TruncToInt(static_cast<double>(TextLen(path)) - 4));

  const std::string failed =
      WriteParts(PlanParts(book.text, separator, count, count_as_typed, stem));
  if (!failed.empty()) {
    window.InfoBox(TextJoin({kWriteFailedMessage, Text::Copy(failed)}), 0, kErrorTitle);
    return;
  }

  const Text folder = TextLeft(path, TextFindLast(path, "/"_text));
  window.ShellOpen(4, folder);
  window.WriteBookPath(folder);
}

}  // namespace quorvella
