#include "app/events.h"

#include "app/windows.h"
#include "controls/common_dialog.h"
#include "controls/info_box.h"
#include "controls/shell_open.h"
#include "notice/start_notice.h"
#include "split/split_book.h"

namespace quorvella {
namespace {

constexpr std::string_view kWindow = "MainWindow";

struct EventBinding {
  std::string_view control;
  std::string_view event;
  void (*handler)();
};

// The event table of MainWindow; no other event has a handler.
constexpr EventBinding kEventTable[] = {
    {"MainWindow", "Created", &StartNotice},
    {"按钮1", "Clicked", &ChooseBook},
    {"按钮2", "Clicked", &SplitBookFromWindow},
};

class WindowSplitOperations final : public SplitWindow {
 public:
  Text Read(Box box) override {
    constexpr std::string_view kBoxes[] = {"编辑框1", "编辑框2", "编辑框3"};
    return AsText(ReadProperty(kWindow, kBoxes[static_cast<int>(box)], 8));
  }
  void WriteBookPath(const Text& text) override { WriteProperty(kWindow, "编辑框1", 8, text); }
  int32_t InfoBox(const Text& message, int32_t flags, const Text& title) override {
    return quorvella::InfoBox(message, flags, title);
  }
  void ShellOpen(int32_t operation, const Text& target) override {
    quorvella::ShellOpen(operation, target);
  }
};

}  // namespace

void RaiseEvent(std::string_view control, std::string_view event) {
  for (const EventBinding& binding : kEventTable) {
    if (binding.control == control && binding.event == event) binding.handler();
  }
}

void ChooseBook() {
  if (auto* dialog = dynamic_cast<CommonDlg*>(FindControl(kWindow, "通用对话框1"))) {
    dialog->Show();  // what it answers does not matter: FileName says what to show
  }
  WriteProperty(kWindow, "编辑框1", 8, ReadProperty(kWindow, "通用对话框1", 10));
}

void SplitBookFromWindow() {
  WindowSplitOperations operations;
  SplitBook(operations);
}

}  // namespace quorvella
