#pragma once

#include <cstdint>

#include "values/text.h"

namespace quorvella {

// Finds the cut of each pass of the split: the first separator at or after the pass's start,
// as TextFind finds it, where a separator before the previous cut counts as the previous cut
// (the bytes before it are in earlier parts already).
//
// When lines are longer than a part, a pass starts before the previous cut, and its search would
// cover the same, possibly very long, way again. It need not: once its scan falls into step with
// the scan that found the previous cut, both stand on the same characters, so the new search
// finds that cut or, before it, an earlier separator, which counts as that cut.
class CutFinder {
 public:
  CutFinder(const Text& book, const Text& separator) : book_(book), separator_(separator) {}

  // The cut for a pass starting at 1-based `start` after a cut at `prev`; -1 when there is
  // no separator at or after `start`.
  int32_t Find(int32_t start, int32_t prev);

 private:
  int32_t Search(int32_t start, int32_t from, int32_t prev);
  // Whether the scan begun at 0-based `from` stands on `offset`, given that the scan begun at
  // `known_from` (at or before `from`) stands on it.
  bool FallsIntoStep(int32_t known_from, int32_t from, int32_t offset) const;

  const Text& book_;
  const Text& separator_;
  int32_t scan_from_ = 0;  // 0-based start of a scan that reached the separator at `found_`
  int32_t found_ = -1;
};

}  // namespace quorvella
