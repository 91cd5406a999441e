#pragma once

#include <cstdint>

#include "values/text.h"

namespace quorvella {

// The boxes of the main window that the split job reads.
enum class Box {
  编辑框1,  // the book's path; the job writes the book's folder back into it
  编辑框2,  // how many parts, as the user typed it
  编辑框3,  // the line break to cut at
};

// What the split job needs of the window it runs for. The desktop window binds these to its
// controls, the message box and the file manager; the command-line tool to its arguments and
// the terminal.
class SplitWindow {
 public:
  virtual ~SplitWindow() = default;
  virtual Text Read(Box box) = 0;
  virtual void WriteBookPath(const Text& text) = 0;
  // Shows `message` under `title`; `flags` choose buttons and icon as a message box's do.
  virtual int32_t InfoBox(const Text& message, int32_t flags, const Text& title) = 0;
  // Operation 4 opens `target` (a folder) the way the desktop opens it.
  virtual void ShellOpen(int32_t operation, const Text& target) = 0;
};

}  // namespace quorvella
