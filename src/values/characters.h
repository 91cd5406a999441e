#pragma once

#include <cstdint>

namespace quorvella {

// The one rule of character structure: a byte of 0x80 or above begins a two-byte character,
// whatever byte follows it.
inline bool IsLeadByte(unsigned char byte) {
  return byte >= 0x80;
}

// Where a scan that stands on a character at `from` first stands at or after `target`:
// `target` itself, or `target` + 1 when `target` is the second byte of a character.
// Two bytes below 0x80 in a row put any scan on the second of them, so the pairing is walked
// only from the last such place after `from`. Needs from <= target < the bytes' size.
inline int64_t StepTo(const unsigned char* bytes, int64_t from, int64_t target) {
  int64_t p = from;
  for (int64_t a = target; a > from; --a) {
    if (!IsLeadByte(bytes[a - 1]) && !IsLeadByte(bytes[a])) {
      p = a;
      break;
    }
  }
  while (p < target) p += IsLeadByte(bytes[p]) ? 2 : 1;
  return p;
}

}  // namespace quorvella
