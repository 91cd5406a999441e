#include "values/plain_text.h"

#include <algorithm>
#include <cstring>

#include "values/characters.h"

namespace quorvella {
namespace {

constexpr int32_t kChunk = 8 << 20;

int32_t Find(const unsigned char* bytes, int32_t from, int32_t to, unsigned char wanted) {
  const void* hit = std::memchr(bytes + from, wanted, static_cast<size_t>(to - from));
  return hit ? static_cast<int32_t>(static_cast<const unsigned char*>(hit) - bytes) : -1;
}

}  // namespace

PlainTextEnd FindPlainTextEnd(const SharedBytes& shared) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(shared.data());
  const int32_t size = shared.size();
  int64_t known = 0;  // a place where a character begins, at or before everything not yet seen
  for (int32_t chunk = 0; chunk < size; chunk += std::min(kChunk, size - chunk)) {
    const int32_t chunk_end = chunk + std::min(kChunk, size - chunk);
    const int32_t zero = Find(bytes, chunk, chunk_end, 0x00);
    const int32_t limit = zero >= 0 ? zero : chunk_end;
    for (int32_t from = chunk, eof; (eof = Find(bytes, from, limit, 0x1A)) >= 0; from = eof + 1) {
      known = StepTo(bytes, known, eof);
      if (known == eof) return {eof, eof};
    }
    if (zero >= 0) {
      const int32_t lead = zero - 1;
      if (lead >= known && IsLeadByte(bytes[lead]) && StepTo(bytes, known, lead) == lead) {
        return {lead, zero};
      }
      return {zero, zero};
    }
    shared.Evict(chunk, chunk_end - chunk);
  }
  return {size, size};
}

}  // namespace quorvella
