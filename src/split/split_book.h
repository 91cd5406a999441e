#pragma once

#include "split/split_window.h"

namespace quorvella {

// The main job: cuts the book named in 编辑框1 into the number of parts in 编辑框2, at the
// line break in 编辑框3, writes the parts beside the book, opens the book's folder and writes
// that folder back into 编辑框1. Problems are shown with InfoBox and leave 编辑框1 as it was.
void SplitBook(SplitWindow& window);

}  // namespace quorvella
