#include "app/end_program.h"

#include <atomic>

#include "app/windows.h"
#include "values/files.h"

namespace quorvella {
namespace {

std::atomic<bool> ending{false};

}  // namespace

void EndProgram() {
  ending = true;
  CloseLoadedWindows();
  CloseAllFiles();
}

bool ProgramEnding() {
  return ending;
}

}  // namespace quorvella
