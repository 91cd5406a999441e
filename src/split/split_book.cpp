#include "split/split_book.h"

#include <optional>
#include <string>

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
  // Ctrl-Z or NUL padding may follow the text; anything else after its end would be lost.
  const PlainTextEnd end = FindPlainTextEnd(bytes->bytes());
  for (char byte : bytes->view().substr(static_cast<size_t>(end.text_size))) {
    if (byte != 0x00 && byte != 0x1A) return {{}, kNotPlainTextMessage};
  }
  return {Text::AdoptZeroFree(bytes->bytes().Slice(0, end.text_size)), {}};
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

  std::string failed;  // "\r\n" and the name of each part that could not be written
  for (const PartFile& part : PlanParts(book.text, separator, count, count_as_typed, stem)) {
    const ByteSet header = TextToBytes(part.with_header ? kPartHeader : Text());
    if (!FileWrite(part.name, {header, TextToBytes(part.content)})) {
      failed.append("\r\n").append(part.name.view());
    }
  }
  if (!failed.empty()) {
    window.InfoBox(TextJoin({kWriteFailedMessage, Text::Copy(failed)}), 0, kErrorTitle);
    return;
  }

  const Text folder = TextLeft(path, TextFindLast(path, "/"_text));
  window.ShellOpen(4, folder);
  window.WriteBookPath(folder);
}

}  // namespace quorvella
