#include "split/split_plan.h"

#include <cmath>

#include "split/cut_finder.h"
#include "values/numbers.h"
#include "values/text_operations.h"

namespace quorvella {

std::vector<PartFile> PlanParts(const Text& book, const Text& separator, int32_t count,
                                const Text& count_as_typed, const Text& stem) {
  const int32_t length = TextLen(book);
  const int32_t size = FloorToInt(static_cast<double>(length) / count);
  const int32_t book_end = length + 1;  // the cut of a part that runs to the end of the book
  std::vector<PartFile> parts;
  parts.reserve(static_cast<size_t>(count));
  CutFinder cuts(book, separator);
  int32_t prev = 1;
  bool reached_end = false;
  for (int32_t i = 1; i <= count; ++i) {
    int32_t cut = book_end;
    if (count > 1 && !reached_end) {  // a single part is the whole book
      // A separator before `prev` (one that an earlier search, out of step with the
      // characters, passed over) counts as `prev`: the bytes before it are in parts already.
      cut = cuts.Find(TruncToInt(static_cast<double>(size) * i), prev);
      if (cut == -1) {
        cut = book_end;
        reached_end = true;
      }
    }
    parts.push_back({TextJoin({stem, IntToText(i), ".txt"_text}), true,
                     TextMid(book, prev, TruncToInt(static_cast<double>(cut) - prev))});
    if (std::fabs(static_cast<double>(count) - i - 1.0) <= 0.0000001) {
      const int32_t tail = TruncToInt(static_cast<double>(length) - cut - TextLen(separator) + 1);
      parts.push_back(
          {TextJoin({stem, count_as_typed, ".txt"_text}), false, TextRight(book, tail)});
      break;
    }
    prev = cut;
  }
  return parts;
}

}  // namespace quorvella
