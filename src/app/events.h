#pragma once

#include <string_view>

namespace quorvella {

// Raises `event` of a control of MainWindow (or of the window itself): runs its handler from
// the event table, synchronously, on the main thread. Events without a handler do nothing.
void RaiseEvent(std::string_view control, std::string_view event);

// The handler of 按钮1 ("打开..."): lets the user pick the book and puts its path into 编辑框1.
void ChooseBook();

// The handler of 按钮2 ("确定"): the split job, bound to MainWindow's boxes, the message box
// and the file manager.
void SplitBookFromWindow();

}  // namespace quorvella
