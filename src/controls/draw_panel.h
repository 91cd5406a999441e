#pragma once

#include <QPointer>
#include <QWidget>

#include "app/control.h"
#include "app/control_table.h"

namespace quorvella {

// 画板: a borderless panel in the button-face colour. As the page box's parent it frames it:
// only the part of the box that lies inside the panel is seen. Properties 8 BorderStyle
// (0 to 5; a simple line for any but 0) and 9 BackColor (0x00BBGGRR, 0xFF000000 the button face).
class DrawPanel final : public Control {
 public:
  DrawPanel(QWidget* parent, const ControlRow& row);
  QWidget* widget() override { return widget_; }
  PropertyValue Get(int32_t number) const override;
  void Set(int32_t number, const PropertyValue& value) override;

 private:
  void Restyle();

  QPointer<QWidget> widget_;
  int32_t border_style_ = 0;
  uint32_t back_color_ = 0xFF000000;
};

}  // namespace quorvella
