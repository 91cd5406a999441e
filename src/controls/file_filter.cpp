#include "controls/file_filter.h"

#include <string>

#include "values/characters.h"

namespace quorvella {
namespace {

bool IsBlank(unsigned char byte) {
  return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

}  // namespace

std::vector<FilterPair> ParseFilter(const Text& filter) {
  // The parts, split at "|" characters, walking a character at a time.
  std::vector<std::string> parts(1);
  int32_t kept = 0;  // the text's length less its trailing blanks
  for (int32_t i = 0; i < filter.size();) {
    const int32_t width = IsLeadByte(filter[i]) && i + 1 < filter.size() ? 2 : 1;
    if (width == 2 || !IsBlank(filter[i])) kept = i + width;
    i += width;
  }
  for (int32_t i = 0; i < kept;) {
    const int32_t width = IsLeadByte(filter[i]) && i + 1 < kept ? 2 : 1;
    if (width == 1 && filter[i] == '|') {
      parts.emplace_back();
    } else {
      parts.back().append(filter.data() + i, static_cast<size_t>(width));
    }
    i += width;
  }
  std::vector<FilterPair> pairs;
  // A list of parts ends at the first empty one, as the dialog reads it.
  for (size_t i = 0; i < parts.size(); i += 2) {
    if (parts[i].empty()) break;
    const std::string pattern = i + 1 < parts.size() ? parts[i + 1] : std::string();
    if (pattern.empty()) break;
    pairs.push_back({Text::Copy(parts[i]), Text::Copy(pattern)});
  }
  return pairs;
}

}  // namespace quorvella
