#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "app/control.h"
#include "app/control_table.h"

namespace quorvella {

// 分隔条: a horizontal separator line, a light line over a dark one, with the move-line cursor.
// Dragging it shows an inverted copy of the bar that follows the pointer inside the parent;
// releasing it elsewhere raises 被拖动 with the new and the starting position. The bar itself
// stays where it is. Esc, the right button or losing the mouse cancel the drag.
class SplitterBar final : public Control {
 public:
  // `dragged` receives the new and the starting top edge; it may be empty (no handler).
  SplitterBar(QWidget* parent, const ControlRow& row, std::function<void(int, int)> dragged);
  QWidget* widget() override { return widget_; }
  PropertyValue Get(int32_t) const override { return {}; }
  void Set(int32_t, const PropertyValue&) override {}

 private:
  QPointer<QWidget> widget_;
};

}  // namespace quorvella
