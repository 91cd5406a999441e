#pragma once

#include <QPointer>
#include <QWidget>

#include "app/control.h"
#include "app/control_table.h"

namespace quorvella {

// 超级链接框: the strip at the top of the window that shows its caption (property 8),
// centred. What it does under the mouse and on a click comes with the online notice.
class HyperLinker final : public Control {
 public:
  HyperLinker(QWidget* parent, const ControlRow& row);
  QWidget* widget() override { return widget_; }
  PropertyValue Get(int32_t number) const override;
  void Set(int32_t number, const PropertyValue& value) override;

 private:
  QPointer<QWidget> widget_;
};

// 画板 and 超文本浏览框: the frame at the bottom of the window and the page box inside it.
// The page itself comes with the embedded web page; until then the box is an empty, focusable
// area, the last stop of the tab order.
class PagePanel final : public Control {
 public:
  PagePanel(QWidget* parent, const ControlRow& row);
  QWidget* widget() override { return widget_; }
  PropertyValue Get(int32_t) const override { return {}; }
  void Set(int32_t, const PropertyValue&) override {}

 private:
  QPointer<QWidget> widget_;
};

}  // namespace quorvella
