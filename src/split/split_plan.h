#pragma once

#include <cstdint>
#include <vector>

#include "values/text.h"

namespace quorvella {

// One file the split job writes: its name, whether it begins with the header, and its bytes,
// which share the book's.
struct PartFile {
  Text name;
  bool with_header;
  Text content;
};

// Where the book is cut into `count` (1 to 10000) parts: each cut at the first `separator`
// at or after an even share of the book. Parts are named stem + number + ".txt"; the last one
// stem + `count_as_typed` + ".txt", has no header and leaves out the separator before it.
std::vector<PartFile> PlanParts(const Text& book, const Text& separator, int32_t count,
                                const Text& count_as_typed, const Text& stem);

}  // namespace quorvella
