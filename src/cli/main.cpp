#include <clocale>

#include "cli/split_command.h"
#include "values/files.h"
#include "values/memory.h"

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  quorvella::SetOutOfMemoryHandler(&quorvella::ExitOnOutOfMemory);
  const int status = quorvella::RunSplitCommand(argc, argv);
  quorvella::CloseAllFiles();
  return status;
}
