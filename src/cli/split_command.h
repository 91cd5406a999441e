#pragma once

#include <cstdint>

namespace quorvella {

// quorvella-split [--open] BOOK COUNT: the split job run for the command line. Returns the
// exit status: 0 when the parts were written, 1 when the job reported a problem, 2 for a
// command line that could not be understood.
int RunSplitCommand(int argc, char** argv);

// Reports running out of memory on stderr and ends the process with status 255.
[[noreturn]] void ExitOnOutOfMemory(int64_t bytes);

}  // namespace quorvella
