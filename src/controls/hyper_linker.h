#pragma once

#include <QPointer>
#include <QWidget>

#include "app/control.h"
#include "app/control_table.h"

namespace quorvella {

class LinkWidget;

// 超级链接框: a strip of coloured text that opens its address when pressed. Its properties:
// 8 Caption, 9 LinkType (0 e-mail, 1 web), 10 MailAddress, 11 WebAddress, 12 NormalColor,
// 13 VisitedColor, 14 HoverColor, 15 BackColor (colours 0x00BBGGRR; 0xFF000000 is the button
// face), 16 BorderStyle (0 to 5), 17 LinkFont (a 60-byte LOGFONTA record, or empty).
class HyperLinker final : public Control {
 public:
  HyperLinker(QWidget* parent, const ControlRow& row);
  QWidget* widget() override;
  PropertyValue Get(int32_t number) const override;
  void Set(int32_t number, const PropertyValue& value) override;

 private:
  QPointer<LinkWidget> widget_;
};

}  // namespace quorvella
