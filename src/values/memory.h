#pragma once

#include <cstdint>

namespace quorvella {

// Called when memory for a value cannot be had, with the number of bytes asked for.
// It must not return: the program cannot go on without the value. The default aborts;
// each program installs one that reports the failure in its own way.
using OutOfMemoryHandler = void (*)(int64_t bytes);

void SetOutOfMemoryHandler(OutOfMemoryHandler handler);
[[noreturn]] void ReportOutOfMemory(int64_t bytes);

// malloc that never returns null: a failure goes to the out-of-memory handler.
void* AllocateBytes(int64_t bytes);

}  // namespace quorvella
