#include "values/text_operations.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "values/characters.h"
#include "values/memory.h"

namespace quorvella {
namespace {

constexpr int32_t kSearchWindow = 16 << 20;

unsigned char FoldAsciiCase(unsigned char byte) {
  return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

bool MatchesAt(const Text& text, int32_t offset, const Text& needle, bool ignore_case) {
  if (!ignore_case) return std::memcmp(text.data() + offset, needle.data(), needle.size()) == 0;
  for (int32_t i = 0; i < needle.size(); ++i) {
    if (FoldAsciiCase(text[offset + i]) != FoldAsciiCase(needle[i])) return false;
  }
  return true;
}

// The scan that both searches are defined by: from 0-based `begin` to `end` (exclusive),
// stepping over two-byte characters as paired from `begin`. Returns the 1-based position of
// the first match, or of the last one when `want_last`, or -1.
int32_t ScanCharacters(const Text& text, const Text& needle, int32_t begin, int32_t end,
                       bool ignore_case, bool want_last) {
  if (begin >= end) return -1;
  if (needle.empty()) return 1;
  int32_t found = -1;
  int32_t q = begin;
  while (end - q >= needle.size()) {
    if (MatchesAt(text, q, needle, ignore_case)) {
      if (!want_last) return q + 1;
      found = q + 1;
    }
    if (IsLeadByte(text[q])) {
      if (q + 1 == text.size()) break;
      q += 2;
    } else {
      q += 1;
    }
  }
  return found;
}

// The same result as ScanCharacters for a forward, case-sensitive search, found with memmem:
// each candidate is checked against the scan's pairing of characters. A search costs about
// as much as the distance it covers.
int32_t FindForward(const Text& text, const Text& needle, int32_t begin) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const int32_t length = text.size();
  const int32_t k = needle.size();
  int32_t q = begin;  // a place where the scan stands, at or before every match not yet seen
  while (length - q >= k) {
    // A long search goes a window at a time and lets go of the mapped pages it has passed.
    const auto window_end =
        static_cast<int32_t>(std::min<int64_t>(length, int64_t{q} + kSearchWindow + k - 1));
    const void* hit = memmem(text.data() + q, static_cast<size_t>(window_end - q), needle.data(),
                             static_cast<size_t>(k));
    if (!hit) {
      if (window_end == length) return -1;
      const auto next = static_cast<int32_t>(StepTo(bytes, q, window_end - k + 1));
      text.bytes().Evict(q, next - q);
      q = next;
      continue;
    }
    const int32_t candidate = static_cast<int32_t>(static_cast<const char*>(hit) - text.data());
    const int32_t p = static_cast<int32_t>(StepTo(bytes, q, candidate));
    if (p == candidate) return candidate + 1;
    q = p;  // the candidate was a second byte; the scan goes on from the byte after it
  }
  return -1;
}

}  // namespace

int32_t TextLen(const Text& text) {
  return text.size();
}

int32_t TextCompare(const Text& a, const Text& b) {
  const size_t common = static_cast<size_t>(std::min(a.size(), b.size()));
  const int order = common ? std::memcmp(a.data(), b.data(), common) : 0;
  if (order != 0) return order < 0 ? -1 : 1;
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

Text TextJoin(std::initializer_list<Text> texts) {
  int64_t total = 0;
  for (const Text& text : texts) total += text.size();
  // A text's length is a 32-bit number; a longer one is as impossible to hold as any
  // allocation that fails. The count includes the terminating byte a text is stored with.
  if (total > std::numeric_limits<int32_t>::max() - 1) ReportOutOfMemory(total + 1);
  if (total == 0) return {};
  char* target = nullptr;
  Storage* block = Storage::NewHeap(total, &target);
  SharedBytes joined(block, target, static_cast<int32_t>(total));
  for (const Text& text : texts) {
    if (text.empty()) continue;
    std::memcpy(target, text.data(), static_cast<size_t>(text.size()));
    target += text.size();
  }
  return Text::AdoptZeroFree(std::move(joined));
}

Text TextLeft(const Text& text, int32_t count) {
  if (count <= 0) return {};
  return text.Slice(0, std::min(count, text.size()));
}

Text TextRight(const Text& text, int32_t count) {
  if (count <= 0) return {};
  const int32_t kept = std::min(count, text.size());
  return text.Slice(text.size() - kept, kept);
}

Text TextMid(const Text& text, int32_t start, int32_t count) {
  const int64_t offset = static_cast<int64_t>(start) - 1;
  if (offset < 0 || offset >= text.size() || count <= 0) return {};
  const int32_t s = static_cast<int32_t>(offset);
  return text.Slice(s, std::min(count, text.size() - s));
}

int32_t TextFind(const Text& text, const Text& needle, std::optional<int32_t> start,
                 bool ignore_case) {
  const int64_t s = std::max<int64_t>(start ? static_cast<int64_t>(*start) - 1 : 0, 0);
  if (s >= text.size()) return -1;
  const int32_t begin = static_cast<int32_t>(s);
  if (needle.empty()) return 1;
  if (ignore_case) return ScanCharacters(text, needle, begin, text.size(), true, false);
  return FindForward(text, needle, begin);
}

int32_t TextFindLast(const Text& text, const Text& needle, std::optional<int32_t> start,
                     bool ignore_case) {
  const int64_t w = start ? static_cast<int64_t>(*start) - 1 : text.size();
  if (w <= 0) return -1;
  const int32_t end = static_cast<int32_t>(std::min<int64_t>(w, text.size()));
  return ScanCharacters(text, needle, 0, end, ignore_case, true);
}

}  // namespace quorvella
