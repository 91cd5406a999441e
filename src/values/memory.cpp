#include "values/memory.h"

#include <atomic>
#include <cstdlib>

namespace quorvella {
namespace {

[[noreturn]] void AbortOnOutOfMemory(int64_t) {
  std::abort();
}

std::atomic<OutOfMemoryHandler> current_handler{&AbortOnOutOfMemory};

}  // namespace

void SetOutOfMemoryHandler(OutOfMemoryHandler handler) {
  current_handler.store(handler ? handler : &AbortOnOutOfMemory);
}

void ReportOutOfMemory(int64_t bytes) {
  current_handler.load()(bytes);
  std::abort();  // a handler that returns leaves nothing sensible to do
}

void* AllocateBytes(int64_t bytes) {
  void* block = bytes < 0 ? nullptr : std::malloc(bytes == 0 ? 1 : static_cast<size_t>(bytes));
  if (!block) ReportOutOfMemory(bytes);
  return block;
}

}  // namespace quorvella
