#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>

#include "values/text.h"

namespace quorvella {

// The text operations. Positions are 1-based byte positions; a search that finds nothing
// gives -1. Results that cut a text share its bytes, which is safe because texts never change.

int32_t TextLen(const Text& text);
// -1, 0 or 1, comparing bytes as unsigned values; a proper prefix compares smaller.
int32_t TextCompare(const Text& a, const Text& b);
Text TextJoin(std::initializer_list<Text> texts);
// The first `count` bytes (empty for count <= 0).
Text TextLeft(const Text& text, int32_t count);
// The last `count` bytes (empty for count <= 0).
Text TextRight(const Text& text, int32_t count);
// `count` bytes from position `start`; empty when start is outside the text (never moved in).
Text TextMid(const Text& text, int32_t start, int32_t count);

// The first occurrence of `needle` at or after `start`. Characters are stepped over as the
// code page's structure says: a byte of 0x80 or above and the byte after it are one character,
// counted from where the scan begins, and no match begins on a character's second byte.
int32_t TextFind(const Text& text, const Text& needle, std::optional<int32_t> start = {},
                 bool ignore_case = false);
// The last occurrence that ends before `start`, stepping characters from the text's start.
int32_t TextFindLast(const Text& text, const Text& needle, std::optional<int32_t> start = {},
                     bool ignore_case = false);

}  // namespace quorvella
