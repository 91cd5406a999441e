#pragma once

#include <cstdint>
#include <optional>

#include "values/storage.h"

namespace quorvella {

// Where the text held in raw file bytes ends. The text stops before the first 0x00 byte and
// before the first 0x1A (Ctrl-Z) that begins a character; a character's second byte is looked
// at only for 0x00, and a first byte followed by 0x00 is left out of the text.
struct PlainTextEnd {
  int32_t text_size;  // bytes of text
  int32_t stop;       // where reading stops: the ending byte, or the size when none was met
};

// Nothing when the bytes cannot be read (a mapped file's read fails).
std::optional<PlainTextEnd> FindPlainTextEnd(const SharedBytes& bytes);

}  // namespace quorvella
