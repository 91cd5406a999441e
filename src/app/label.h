#pragma once

#include <QPointer>
#include <QWidget>

#include "app/control.h"
#include "app/control_table.h"

namespace quorvella {

// 标签: plain text on one line, left-aligned and vertically centred, on the button-face
// colour; never takes the focus. Property 8 is Caption.
class Label final : public Control {
 public:
  Label(QWidget* parent, const ControlRow& row);
  QWidget* widget() override { return widget_; }
  PropertyValue Get(int32_t number) const override;
  void Set(int32_t number, const PropertyValue& value) override;

 private:
  QPointer<QWidget> widget_;
};

}  // namespace quorvella
