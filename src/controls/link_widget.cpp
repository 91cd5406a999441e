#include "controls/link_widget.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>
#include <cstring>
#include <string>

#include "app/colours.h"
#include "app/qt_text.h"
#include "values/text_operations.h"

namespace quorvella {
namespace {

constexpr size_t kLogFontSize = 60;
constexpr size_t kFaceNameOffset = 28;

int32_t ReadLong(const char* record, size_t offset) {
  int32_t value = 0;
  std::memcpy(&value, record + offset, sizeof(value));
  return value;
}

}  // namespace

ByteSet MakeLogFont(int32_t height, int32_t weight, const Text& face_name) {
  std::string record(kLogFontSize, '\0');
  std::memcpy(record.data(), &height, sizeof(height));
  std::memcpy(record.data() + 16, &weight, sizeof(weight));
  std::memcpy(record.data() + kFaceNameOffset, face_name.data(),
              std::min<size_t>(static_cast<size_t>(face_name.size()), 31));
  return ByteSet::Copy(record);
}

LinkWidget::LinkWidget(QWidget* parent) : QWidget(parent) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QFont LinkWidget::LinkFont() const {
  if (link_font.size() != static_cast<int32_t>(kLogFontSize)) return font();
  const char* record = link_font.data();
  QFont made = font();
  const int32_t height = ReadLong(record, 0);
  if (height != 0) made.setPixelSize(std::abs(height));
  const int32_t weight = ReadLong(record, 16);
  if (weight > 0) made.setWeight(QFont::Weight(std::clamp(weight, 1, 1000)));
  made.setItalic(record[20] != 0);
  made.setUnderline(record[21] != 0);
  made.setStrikeOut(record[22] != 0);
  const Text face = Text::Copy(std::string_view(record + kFaceNameOffset, 32));
  QStringList families{ToQString(face)};
  // 宋体 is often missing outside Chinese Windows: a CJK serif face stands in for it.
  if (face == FromQString(QStringLiteral("宋体"))) {
    families << QStringLiteral("SimSun") << QStringLiteral("Noto Serif CJK SC");
  }
  made.setFamilies(families);
  return made;
}

void LinkWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), SettingColour(back_color, *this));
  if (border_style != 0) {
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
  Text text = caption;
  if (text.empty()) text = link_type == 0 ? mail_address : web_address;
  painter.setPen(SettingColour(hovering_  ? hover_color
                               : visited_ ? visited_color
                                          : normal_color,
                               *this));
  painter.setFont(LinkFont());
  // No mnemonic flag: an ampersand is drawn as itself.
  painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip,
                   ToQString(text));
}

bool LinkWidget::OpenLink() {
  Text target;
  if (link_type == 1) {
    target = web_address;
  } else if (!mail_address.empty()) {
    target = TextJoin({"mailto:"_text, mail_address});
  }
  if (target.empty()) return false;
  return QDesktopServices::openUrl(QUrl(ToQString(target)));
}

void LinkWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  visited_ = OpenLink();
  if (visited_) update();
}

// The second press of a double click arrives here and opens nothing: a double click opens
// the address once.
void LinkWidget::mouseDoubleClickEvent(QMouseEvent*) {}

void LinkWidget::enterEvent(QEnterEvent*) {
  hovering_ = true;
  update();
}

void LinkWidget::leaveEvent(QEvent*) {
  hovering_ = false;
  update();
}

}  // namespace quorvella
