#include "split/cut_finder.h"

#include <algorithm>

#include "values/characters.h"
#include "values/text_operations.h"

namespace quorvella {

namespace {

// A mapped book's pages can be mapped in by the large block they sit in (up to 2 MiB): what a
// search touched is let go of with that much around it, so that memory stays small however
// many cuts a book gets.
constexpr int64_t kMappedBlock = 2 << 20;

}  // namespace

int32_t CutFinder::Find(int32_t start, int32_t prev) {
  const int32_t from = std::max(start, 1) - 1;
  const int32_t cut = Search(start, from, prev);
  const int64_t touched_end = cut == -1 ? book_.size() : cut + separator_.size();
  const int64_t low = std::max<int64_t>(std::min<int64_t>(from, prev) - kMappedBlock, 0);
  const int64_t high = std::min<int64_t>(touched_end + kMappedBlock, book_.size());
  if (low < high) {
    book_.bytes().Evict(static_cast<int32_t>(low), static_cast<int32_t>(high - low));
  }
  return cut;
}

int32_t CutFinder::Search(int32_t start, int32_t from, int32_t prev) {
  if (found_ != -1 && found_ == prev && from >= scan_from_ && from <= prev - 1 &&
      FallsIntoStep(scan_from_, from, prev - 1)) {
    // The next check starts from here; the way here need not stay in memory.
    book_.bytes().Evict(scan_from_, from - scan_from_);
    scan_from_ = from;
    return prev;
  }
  const int32_t cut = TextFind(book_, separator_, start);
  if (cut == -1) return -1;
  if (cut < prev) return prev;
  scan_from_ = from;
  found_ = cut;
  return cut;
}

bool CutFinder::FallsIntoStep(int32_t known_from, int32_t from, int32_t offset) const {
  const auto* bytes = reinterpret_cast<const unsigned char*>(book_.data());
  const auto step = [bytes](int64_t q) { return q + (IsLeadByte(bytes[q]) ? 2 : 1); };
  int64_t known = StepTo(bytes, known_from, from);
  int64_t scan = from;
  // Two scans that differ stand one on the other's second byte, until a byte below 0x80.
  while (known != scan) {
    if (std::min(known, scan) > offset) return false;
    if (scan < known) {
      scan = step(scan);
    } else {
      known = step(known);
    }
  }
  return scan <= offset;
}

}  // namespace quorvella
