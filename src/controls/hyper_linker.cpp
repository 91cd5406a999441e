#include "controls/hyper_linker.h"

#include <algorithm>

#include "app/qt_text.h"
#include "controls/link_widget.h"
#include "notice/addresses.h"

namespace quorvella {

HyperLinker::HyperLinker(QWidget* parent, const ControlRow& row) : widget_(new LinkWidget(parent)) {
  // The settings of the strip at the top of the window: a red web link to the site's root
  // that turns blue under the mouse, in bold 14-pixel 宋体.
  widget_->caption = FromQString(QString::fromUtf8(row.text));
  widget_->link_type = 1;
  widget_->web_address = SiteRoot();
  widget_->normal_color = 0x000000FF;
  widget_->visited_color = 0x000000FF;
  widget_->hover_color = 0x00FF0000;
  widget_->link_font = MakeLogFont(-14, 700, FromQString(QStringLiteral("宋体")));
}

QWidget* HyperLinker::widget() {
  return widget_;
}

PropertyValue HyperLinker::Get(int32_t number) const {
  const LinkWidget& link = *widget_;
  switch (number) {
    case 8:
      return link.caption;
    case 9:
      return link.link_type;
    case 10:
      return link.mail_address;
    case 11:
      return link.web_address;
    case 12:
      return static_cast<int32_t>(link.normal_color);
    case 13:
      return static_cast<int32_t>(link.visited_color);
    case 14:
      return static_cast<int32_t>(link.hover_color);
    case 15:
      return static_cast<int32_t>(link.back_color);
    case 16:
      return link.border_style;
    case 17:
      return link.link_font;
    default:
      return {};
  }
}

void HyperLinker::Set(int32_t number, const PropertyValue& value) {
  LinkWidget& link = *widget_;
  switch (number) {
    case 8:
      link.caption = AsText(value);
      break;
    case 9:
      link.link_type = std::clamp(AsInt(value), 0, 1);
      break;
    case 10:
      link.mail_address = AsText(value);
      break;
    case 11:
      link.web_address = AsText(value);
      break;
    case 12:
      link.normal_color = static_cast<uint32_t>(AsInt(value));
      break;
    case 13:
      link.visited_color = static_cast<uint32_t>(AsInt(value));
      break;
    case 14:
      link.hover_color = static_cast<uint32_t>(AsInt(value));
      break;
    case 15:
      link.back_color = static_cast<uint32_t>(AsInt(value));
      break;
    case 16:
      link.border_style = std::clamp(AsInt(value), 0, 5);
      break;
    case 17:
      if (const ByteSet* record = std::get_if<ByteSet>(&value)) link.link_font = *record;
      break;
    default:
      return;
  }
  link.update();
}

}  // namespace quorvella
