#pragma once

class QApplication;

namespace quorvella {

// Start-up before the window: the program's folder becomes the current directory, the
// default font and style are set, and running out of memory becomes a fatal error.
void PrepareApplication(QApplication& application);

// Start-up, event loop and end work; gives the exit status.
int RunApplication(int argc, char** argv);

}  // namespace quorvella
