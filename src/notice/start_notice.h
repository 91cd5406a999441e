#pragma once

namespace quorvella {

// Handler of MainWindow's Created event: starts the worker that reads the online notice
// into the link strip's caption, and returns at once.
void StartNotice();

}  // namespace quorvella
