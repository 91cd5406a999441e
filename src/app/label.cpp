#include "app/label.h"

#include <QPainter>

#include "app/qt_text.h"

namespace quorvella {
namespace {

class LabelWidget final : public QWidget {
 public:
  explicit LabelWidget(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    if (windowTitle().isEmpty()) return;
    painter.setPen(Qt::black);
    painter.drawText(rect(),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip,
                     windowTitle());
  }
};

}  // namespace

Label::Label(QWidget* parent, const ControlRow& row) : widget_(new LabelWidget(parent)) {
  widget_->setWindowTitle(QString::fromUtf8(row.text));  // a child's title is only its text
}

PropertyValue Label::Get(int32_t number) const {
  if (number != 8) return {};
  return FromQString(widget_->windowTitle());
}

void Label::Set(int32_t number, const PropertyValue& value) {
  if (number != 8) return;
  widget_->setWindowTitle(ToQString(AsText(value)));
  widget_->update();
}

}  // namespace quorvella
