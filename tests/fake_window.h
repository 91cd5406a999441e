#pragma once

#include <string>
#include <utility>
#include <vector>

#include "split/split_window.h"
#include "values/text.h"

namespace quorvella::testing {

// A window for the split job that holds the three boxes and records what the job shows.
class FakeWindow final : public SplitWindow {
 public:
  FakeWindow(Text book, Text count, Text separator = Text::Literal("\r\n", 2))
      : boxes_{std::move(book), std::move(count), std::move(separator)} {}

  Text Read(Box box) override { return boxes_[static_cast<int>(box)]; }
  void WriteBookPath(const Text& text) override {
    boxes_[0] = text;
    ++path_writes;
  }
  int32_t InfoBox(const Text& message, int32_t flags, const Text& title) override {
    messages.push_back({message, title});
    last_flags = flags;
    return 1;
  }
  void ShellOpen(int32_t operation, const Text& target) override {
    opened.push_back({operation, target});
  }

  const Text& book_box() const { return boxes_[0]; }

  std::vector<std::pair<Text, Text>> messages;  // message and title of each InfoBox
  int32_t last_flags = -1;
  std::vector<std::pair<int32_t, Text>> opened;
  int path_writes = 0;

 private:
  Text boxes_[3];
};

}  // namespace quorvella::testing
