#pragma once

namespace quorvella {

// The end work, on the main thread: closes every window with its controls and every file
// still open. Running it again does nothing more.
void EndProgram();

// Whether the end work has started.
bool ProgramEnding();

}  // namespace quorvella
