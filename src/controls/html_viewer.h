#pragma once

#include <QPointer>
#include <QWidget>

#include "app/control.h"
#include "app/control_table.h"

class QWebEngineView;

namespace quorvella {

class ViewerPage;

// 超文本浏览框: a live view of a web page. Its properties: 8 Zoom (0 to 4, five text-size
// steps with 2 the normal size), 9 Offline, 10 Silent (the page's own dialogs are not shown),
// 11 Address (navigates when written, also when empty), 12 the status text (the address of the
// link under the mouse) and 13 the page's title, both read-only. Links that open a new window
// go to the desktop's browser. It starts loading its address as soon as the window is shown
// and never waits for the page.
class HtmlViewer final : public Control {
 public:
  HtmlViewer(QWidget* parent, const ControlRow& row);
  QWidget* widget() override { return host_; }
  PropertyValue Get(int32_t number) const override;
  void Set(int32_t number, const PropertyValue& value) override;

 private:
  void CreateView();
  void ApplyZoom();
  void Navigate();

  QPointer<QWidget> host_;
  QPointer<QWebEngineView> view_;
  QPointer<ViewerPage> page_;
  int32_t zoom_ = 2;
  int32_t offline_ = 0;
  int32_t silent_ = 0;
  Text address_;
};

}  // namespace quorvella
