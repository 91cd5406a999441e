#include "app/button.h"

#include "app/qt_text.h"

namespace quorvella {

Button::Button(QWidget* parent, const ControlRow& row, std::function<void()> clicked)
    : button_(new QPushButton(QString::fromUtf8(row.text), parent)) {
  button_->setAutoDefault(false);
  button_->setDefault(false);
  if (clicked) QObject::connect(button_, &QPushButton::clicked, button_, std::move(clicked));
}

PropertyValue Button::Get(int32_t number) const {
  if (number != 10) return {};
  return FromQString(button_->text());
}

void Button::Set(int32_t number, const PropertyValue& value) {
  if (number == 10) button_->setText(ToQString(AsText(value)));
}

}  // namespace quorvella
