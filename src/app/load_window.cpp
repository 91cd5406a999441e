#include "app/load_window.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <vector>

#include "app/button.h"
#include "app/edit_box.h"
#include "app/events.h"
#include "app/label.h"
#include "app/splitter_bar.h"
#include "app/window_icon.h"
#include "app/windows.h"
#include "controls/common_dialog.h"
#include "controls/draw_panel.h"
#include "controls/html_viewer.h"
#include "controls/hyper_linker.h"

namespace quorvella {
namespace {

// The outer size the window table's client area gives with a fixed frame and a caption.
constexpr int kFrame = 3;
constexpr int kCaption = 19;

// The top-level window: the button-face colour behind the controls, Esc closes it like its
// close box, and Enter does nothing (no button here is a default button).
class TableWindow final : public QWidget {
 public:
  TableWindow() {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    setPalette(colours);
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    switch (event->key()) {
      case Qt::Key_Escape:
        close();
        break;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        break;
      default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
  }
};

std::unique_ptr<Control> CreateControl(const ControlRow& row, QWidget* parent) {
  const std::string name = row.name;
  switch (row.kind) {
    case ControlKind::kEditBox:
      return std::make_unique<EditBox>(parent, row);
    case ControlKind::kLabel:
      return std::make_unique<Label>(parent, row);
    case ControlKind::kButton:
      return std::make_unique<Button>(parent, row, [name] { RaiseEvent(name, "Clicked"); });
    case ControlKind::kSplitterBar:
      return std::make_unique<SplitterBar>(parent, row,
                                           [name](int, int) { RaiseEvent(name, "被拖动"); });
    case ControlKind::kCommonDlg:
      return std::make_unique<CommonDlg>(parent, row);
    case ControlKind::kHyperLinker:
      return std::make_unique<HyperLinker>(parent, row);
    case ControlKind::kDrawPanel:
      return std::make_unique<DrawPanel>(parent, row);
    case ControlKind::kHtmlViewer:
      return std::make_unique<HtmlViewer>(parent, row);
  }
  return nullptr;
}

bool TakesFocus(const ControlRow& row) {
  return row.tab_stop && row.visible && row.kind != ControlKind::kLabel &&
         row.kind != ControlKind::kHyperLinker && row.kind != ControlKind::kDrawPanel;
}

}  // namespace

QWidget* LoadWindow(const WindowTable& table) {
  LoadedWindow& loaded = AddLoadedWindow(table);
  auto* window = new TableWindow();
  loaded.widget = window;
  window->setWindowTitle(QString::fromUtf8(table.caption));
  window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowCloseButtonHint);
  window->setFixedSize(table.client_width, table.client_height);
  window->setWindowIcon(WindowIcon());

  // Created in reverse table order, so that a parent control exists before the controls in
  // it; each is made in its parent at once (the web view cannot move to another parent).
  for (auto row = table.rows.rbegin(); row != table.rows.rend(); ++row) {
    QWidget* parent = std::string_view(row->parent) == table.name
                          ? window
                          : loaded.controls[row->parent]->widget();
    loaded.controls[row->name] = CreateControl(*row, parent);
  }
  // The widget of each row; a control with no presence in the window has none.
  const auto widget_of = [&loaded](const ControlRow& row) {
    return loaded.controls[row.name]->widget();
  };
  for (const ControlRow& row : table.rows) {
    QWidget* widget = widget_of(row);
    if (!widget) continue;
    widget->setGeometry(row.left, row.top, row.width, row.height);
    widget->setVisible(row.visible);
  }
  // Within each parent the first row is on top: raise from the last row to the first.
  for (auto row = table.rows.rbegin(); row != table.rows.rend(); ++row) {
    if (QWidget* widget = widget_of(*row)) widget->raise();
  }
  // Tab order: every control that takes the focus, in reverse table order, wrapping around.
  std::vector<QWidget*> tab_order;
  for (auto row = table.rows.rbegin(); row != table.rows.rend(); ++row) {
    QWidget* widget = widget_of(*row);
    if (!widget) continue;
    if (TakesFocus(*row)) {
      tab_order.push_back(widget);
    } else {
      widget->setFocusPolicy(Qt::NoFocus);
    }
  }
  for (size_t i = 1; i < tab_order.size(); ++i)
    QWidget::setTabOrder(tab_order[i - 1], tab_order[i]);

  RaiseEvent(table.name, "Created");
  if (!loaded.widget) return nullptr;  // closed by its Created handler

  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const int outer_width = table.client_width + 2 * kFrame;
  const int outer_height = table.client_height + 2 * kFrame + kCaption;
  window->move(screen.x() + (screen.width() - outer_width) / 2,
               screen.y() + (screen.height() - outer_height) / 2);
  window->show();
  window->activateWindow();
  if (!tab_order.empty()) tab_order.front()->setFocus(Qt::ActiveWindowFocusReason);
  return window;
}

}  // namespace quorvella
