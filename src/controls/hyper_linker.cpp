#include "controls/hyper_linker.h"

#include <QPainter>

#include "app/qt_text.h"

namespace quorvella {
namespace {

class StripWidget final : public QWidget {
 public:
  explicit StripWidget(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setPen(Qt::red);
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip,
                     windowTitle());
  }
};

}  // namespace

HyperLinker::HyperLinker(QWidget* parent, const ControlRow& row)
    : widget_(new StripWidget(parent)) {
  widget_->setWindowTitle(QString::fromUtf8(row.text));
}

PropertyValue HyperLinker::Get(int32_t number) const {
  if (number != 8) return {};
  return FromQString(widget_->windowTitle());
}

void HyperLinker::Set(int32_t number, const PropertyValue& value) {
  if (number != 8) return;
  widget_->setWindowTitle(ToQString(AsText(value)));
  widget_->update();
}

PagePanel::PagePanel(QWidget* parent, const ControlRow& row) : widget_(new QWidget(parent)) {
  widget_->setAutoFillBackground(true);
  QPalette palette = widget_->palette();
  const bool page_box = row.kind == ControlKind::kHtmlViewer;
  palette.setColor(QPalette::Window,
                   page_box ? QColor(Qt::white) : palette.color(QPalette::Button));
  widget_->setPalette(palette);
  widget_->setFocusPolicy(page_box ? Qt::StrongFocus : Qt::NoFocus);
}

}  // namespace quorvella
