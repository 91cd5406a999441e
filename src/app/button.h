#pragma once

#include <QPointer>
#include <QPushButton>
#include <functional>

#include "app/control.h"
#include "app/control_table.h"

namespace quorvella {

// 按钮: a push button that is never a default button, so Enter never clicks it; a mouse click
// or Space while it has the focus raises Clicked. Property 10 is Caption.
class Button final : public Control {
 public:
  Button(QWidget* parent, const ControlRow& row, std::function<void()> clicked);
  QWidget* widget() override { return button_; }
  PropertyValue Get(int32_t number) const override;
  void Set(int32_t number, const PropertyValue& value) override;

 private:
  QPointer<QPushButton> button_;
};

}  // namespace quorvella
