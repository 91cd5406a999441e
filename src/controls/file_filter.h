#pragma once

#include <vector>

#include "values/text.h"

namespace quorvella {

struct FilterPair {
  Text description;
  Text pattern;  // one or more patterns, separated by ";"
};

// The description and pattern pairs of a filter text such as "文本文件|*.txt": trailing blanks
// are dropped, and every "|" that is a character of its own (not the second byte of a
// two-byte character) separates two parts. A filter of blanks only has no pairs.
std::vector<FilterPair> ParseFilter(const Text& filter);

}  // namespace quorvella
