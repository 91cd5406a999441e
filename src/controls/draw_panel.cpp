#include "controls/draw_panel.h"

#include <QFrame>
#include <algorithm>

#include "app/colours.h"

namespace quorvella {

DrawPanel::DrawPanel(QWidget* parent, const ControlRow&) : widget_(new QFrame(parent)) {
  widget_->setAutoFillBackground(true);
  widget_->setFocusPolicy(Qt::NoFocus);
  Restyle();
}

void DrawPanel::Restyle() {
  QPalette colours = widget_->palette();
  colours.setColor(QPalette::Window, back_color_ == 0xFF000000
                                         ? colours.color(QPalette::Button)
                                         : QColor(back_color_ & 0xFF, (back_color_ >> 8) & 0xFF,
                                                  (back_color_ >> 16) & 0xFF));
  widget_->setPalette(colours);
  static_cast<QFrame*>(widget_.data())
      ->setFrameStyle(border_style_ == 0 ? QFrame::NoFrame : QFrame::Box);
}

PropertyValue DrawPanel::Get(int32_t number) const {
  if (number == 8) return border_style_;
  if (number == 9) return static_cast<int32_t>(back_color_);
  return {};
}

void DrawPanel::Set(int32_t number, const PropertyValue& value) {
  if (number == 8) border_style_ = std::clamp(AsInt(value), 0, 5);
  if (number == 9) back_color_ = static_cast<uint32_t>(AsInt(value));
  if (number == 8 || number == 9) Restyle();
}

}  // namespace quorvella
