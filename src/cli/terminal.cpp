#include "cli/terminal.h"

#include <optional>

#include "values/code_page.h"

namespace quorvella {

std::string ForTerminal(const Text& text) {
  // Texts that do not convert (not valid in the code page) are shown as their bytes.
  std::string shown = ToLocale(text).value_or(text.str());
  std::string lines;
  for (size_t i = 0; i < shown.size(); ++i) {
    if (shown[i] == '\r' && i + 1 < shown.size() && shown[i + 1] == '\n') continue;
    lines.push_back(shown[i]);
  }
  return lines;
}

void PrintLine(std::FILE* stream, std::initializer_list<std::string> parts) {
  for (const std::string& part : parts) std::fwrite(part.data(), 1, part.size(), stream);
  std::fputc('\n', stream);
  std::fflush(stream);
}

}  // namespace quorvella
