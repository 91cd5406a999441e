#pragma once

#include <QWidget>
#include <cstdint>

#include "values/byte_set.h"
#include "values/text.h"

namespace quorvella {

// The link strip's widget: paints its whole area in the background colour and its caption
// (or, when that is empty, its address) on one line, centred, in the link font, running past
// the edges rather than shortened; the hover colour while the mouse is over it, else the
// visited colour after a press that opened the address, else the normal colour.
class LinkWidget final : public QWidget {
 public:
  explicit LinkWidget(QWidget* parent);

  Text caption, mail_address, web_address;
  int32_t link_type = 0;
  uint32_t normal_color = 0x00FF0000, visited_color = 0x00000080, hover_color = 0x00FF0000;
  uint32_t back_color = 0xFF000000;
  int32_t border_style = 0;
  ByteSet link_font;

  bool hovering() const { return hovering_; }
  bool visited() const { return visited_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  bool OpenLink();
  QFont LinkFont() const;

  bool hovering_ = false;
  bool visited_ = false;
};

// A LOGFONTA record: height (negative: pixels), weight and face name in the code page.
ByteSet MakeLogFont(int32_t height, int32_t weight, const Text& face_name);

}  // namespace quorvella
