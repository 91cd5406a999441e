#include "app/splitter_bar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <algorithm>

namespace quorvella {
namespace {

class BarWidget final : public QWidget {
 public:
  BarWidget(QWidget* parent, std::function<void(int, int)> dragged)
      : QWidget(parent), dragged_(std::move(dragged)) {
    setCursor(Qt::SplitVCursor);
    setFocusPolicy(Qt::TabFocus);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.drawLine(0, 0, 0, height() - 1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
    painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
  }

  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::RightButton) {
      CancelDrag();
      return;
    }
    if (event->button() != Qt::LeftButton || !parentWidget()) return;
    start_top_ = y();
    grab_offset_ = event->position().toPoint().y();
    ghost_ = new QRubberBand(QRubberBand::Line, parentWidget());
    ghost_->setGeometry(geometry());
    ghost_->show();
    grabKeyboard();
  }

  void mouseMoveEvent(QMouseEvent* event) override {
    if (!ghost_) return;
    const int top = mapToParent(event->position().toPoint()).y() - grab_offset_;
    ghost_->move(x(), std::clamp(top, 0, parentWidget()->height() - height()));
  }

  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton || !ghost_) return;
    const int top = ghost_->y();
    CancelDrag();
    if (top != start_top_ && dragged_) dragged_(top, start_top_);
  }

  void keyPressEvent(QKeyEvent* event) override {
    if (ghost_ && event->key() == Qt::Key_Escape) {
      CancelDrag();
      return;
    }
    QWidget::keyPressEvent(event);
  }

  void focusOutEvent(QFocusEvent* event) override {
    CancelDrag();
    QWidget::focusOutEvent(event);
  }

 private:
  void CancelDrag() {
    if (!ghost_) return;
    releaseKeyboard();
    delete ghost_;
  }

  std::function<void(int, int)> dragged_;
  QPointer<QRubberBand> ghost_;
  int start_top_ = 0;
  int grab_offset_ = 0;
};

}  // namespace

SplitterBar::SplitterBar(QWidget* parent, const ControlRow&, std::function<void(int, int)> dragged)
    : widget_(new BarWidget(parent, std::move(dragged))) {}

}  // namespace quorvella
