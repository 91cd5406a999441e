#pragma once

class QApplication;

namespace quorvella {

// Start-up before the application object exists: what the embedded web view needs (shared
// graphics contexts; its sandbox turned off when running as root, where it cannot work).
void PrepareProcess();

// Start-up before the window: the program's folder becomes the current directory, the
// default font and style are set, running out of memory becomes a fatal error, and the HTTP
// library is set up.
void PrepareApplication(QApplication& application);

// Builds MainWindow, runs the event loop until the window is closed, does the end work and
// ends the process with status 0 at once: a notice worker still waiting on the network ends
// with it.
[[noreturn]] void RunMainWindow(QApplication& application);

// The whole program: start-up, then RunMainWindow.
[[noreturn]] void RunApplication(int argc, char** argv);

}  // namespace quorvella
