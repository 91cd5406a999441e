#include "values/plain_text.h"

#include <algorithm>
#include <cstring>
#include <thread>
#include <vector>

#include "values/characters.h"

namespace quorvella {
namespace {

// Books below this size are looked through on one thread; larger ones in as many pieces as
// there are cores (up to four), since the look costs as much as copying the book.
constexpr int32_t kSegmentBytes = 32 << 20;
constexpr unsigned kMostThreads = 4;

struct SegmentResult {
  bool read = true;                 // false when a read failed before an end was found
  std::optional<PlainTextEnd> end;  // where the text ends, when it ends in this segment
};

// Looks through bytes [begin, begin + count) for the end of the text.
SegmentResult ScanSegment(const SharedBytes& shared, int32_t begin, int32_t count) {
  // The bytes come in pieces; looking back for how characters pair goes to the value itself.
  const auto* bytes = reinterpret_cast<const unsigned char*>(shared.data());
  SegmentResult result;
  int64_t known = 0;       // a place where a character begins, at or before every candidate
  int32_t offset = begin;  // of the current piece
  result.read = shared.Stream(begin, count, [&](const char* piece, size_t size) {
    const void* zero_at = std::memchr(piece, 0x00, size);
    const size_t limit =
        zero_at ? static_cast<size_t>(static_cast<const char*>(zero_at) - piece) : size;
    for (size_t from = 0; const void* hit = std::memchr(piece + from, 0x1A, limit - from);) {
      const int32_t eof = offset + static_cast<int32_t>(static_cast<const char*>(hit) - piece);
      known = StepTo(bytes, known, eof);
      if (known == eof) {
        result.end = PlainTextEnd{eof, eof};
        return false;
      }
      from = static_cast<size_t>(eof - offset) + 1;
    }
    if (zero_at) {
      const int32_t zero = offset + static_cast<int32_t>(limit);
      const int32_t lead = zero - 1;
      const bool drops_lead =
          lead >= known && IsLeadByte(bytes[lead]) && StepTo(bytes, known, lead) == lead;
      result.end = PlainTextEnd{drops_lead ? lead : zero, zero};
      return false;
    }
    offset += static_cast<int32_t>(size);
    return true;
  });
  result.read = result.read || result.end.has_value();
  return result;
}

}  // namespace

std::optional<PlainTextEnd> FindPlainTextEnd(const SharedBytes& shared) {
  const int32_t size = shared.size();
  const unsigned cores = std::max(1u, std::min(std::thread::hardware_concurrency(), kMostThreads));
  const int32_t segments = static_cast<int32_t>(
      std::clamp<int64_t>(size / kSegmentBytes, 1, static_cast<int64_t>(cores)));
  const int32_t step = size / segments;
  std::vector<SegmentResult> results(static_cast<size_t>(segments));
  std::vector<std::thread> helpers;
  for (int32_t i = 1; i < segments; ++i) {
    const int32_t begin = step * i;
    const int32_t count = i + 1 == segments ? size - begin : step;
    helpers.emplace_back([&results, &shared, i, begin, count] {
      results[static_cast<size_t>(i)] = ScanSegment(shared, begin, count);
    });
  }
  results[0] = ScanSegment(shared, 0, segments == 1 ? size : step);
  for (std::thread& helper : helpers) helper.join();
  // The earliest end counts; a read that failed before it leaves the text unknown.
  for (const SegmentResult& result : results) {
    if (!result.read) return std::nullopt;
    if (result.end) return result.end;
  }
  return PlainTextEnd{size, size};
}

}  // namespace quorvella
