#include "app/windows.h"

#include <QCoreApplication>
#include <QThread>

#include "app/end_program.h"
#include "app/fatal_error.h"
#include "values/code_page.h"

namespace quorvella {
namespace {

std::map<std::string, LoadedWindow, std::less<>>& Loaded() {
  static std::map<std::string, LoadedWindow, std::less<>> windows;
  return windows;
}

// The free text of property 4 (Tag), which no widget holds.
std::map<std::pair<std::string, std::string>, Text>& Tags() {
  static std::map<std::pair<std::string, std::string>, Text> tags;
  return tags;
}

// Runs `work` on the main thread, waiting for it when called from another one.
template <typename Work>
void OnMainThread(Work work) {
  QCoreApplication* application = QCoreApplication::instance();
  if (!application || QThread::currentThread() == application->thread()) {
    work();
    return;
  }
  QMetaObject::invokeMethod(application, work, Qt::BlockingQueuedConnection);
}

// The control behind an address, or the fatal error that the address deserves.
Control& Lookup(std::string_view window, std::string_view control) {
  LoadedWindow* loaded = FindLoadedWindow(window);
  if (!loaded) FatalError(Utf8Text("未载入欲访问窗口组件所在的窗口"));
  auto found = loaded->controls.find(control);
  if (!loaded->widget || found == loaded->controls.end()) {
    FatalError(Utf8Text("指定窗口尚未载入"));
  }
  return *found->second;
}

PropertyValue ReadCommon(Control& control, std::string_view window, std::string_view name,
                         int32_t number) {
  QWidget* widget = control.widget();
  switch (number) {
    case 0:
      return widget ? widget->x() : 0;
    case 1:
      return widget ? widget->y() : 0;
    case 2:
      return widget ? widget->width() : 0;
    case 3:
      return widget ? widget->height() : 0;
    case 4:
      return Tags()[{std::string(window), std::string(name)}];
    case 5:
      return widget && !widget->isHidden();
    case 6:
      return widget && !widget->isEnabled();
    default:
      return ByteSet();  // Cursor: every control keeps its kind's own
  }
}

void WriteCommon(Control& control, std::string_view window, std::string_view name, int32_t number,
                 const PropertyValue& value) {
  QWidget* widget = control.widget();
  if (number == 4) {
    Tags()[{std::string(window), std::string(name)}] = AsText(value);
    return;
  }
  if (!widget) return;
  switch (number) {
    case 0:
      widget->move(AsInt(value), widget->y());
      break;
    case 1:
      widget->move(widget->x(), AsInt(value));
      break;
    case 2:
      widget->resize(AsInt(value), widget->height());
      break;
    case 3:
      widget->resize(widget->width(), AsInt(value));
      break;
    case 5:
      widget->setVisible(AsInt(value) != 0);
      break;
    case 6:
      widget->setEnabled(AsInt(value) == 0);
      break;
    default:
      break;
  }
}

}  // namespace

LoadedWindow& AddLoadedWindow(const WindowTable& table) {
  LoadedWindow& window = Loaded()[table.name];
  window = LoadedWindow{};
  window.table = &table;
  return window;
}

LoadedWindow* FindLoadedWindow(std::string_view name) {
  auto found = Loaded().find(name);
  return found == Loaded().end() ? nullptr : &found->second;
}

Control* FindControl(std::string_view window, std::string_view control) {
  LoadedWindow* loaded = FindLoadedWindow(window);
  if (!loaded) return nullptr;
  auto found = loaded->controls.find(control);
  return found == loaded->controls.end() ? nullptr : found->second.get();
}

void CloseLoadedWindows() {
  for (auto& [name, window] : Loaded()) {
    delete window.widget.data();  // with its controls' widgets
    window.controls.clear();
  }
  Loaded().clear();
  Tags().clear();
}

PropertyValue ReadProperty(std::string_view window, std::string_view control, int32_t number) {
  PropertyValue value;
  OnMainThread([&] {
    Control& found = Lookup(window, control);
    value = number >= 8 ? found.Get(number) : ReadCommon(found, window, control, number);
  });
  return value;
}

void WriteProperty(std::string_view window, std::string_view control, int32_t number,
                   const PropertyValue& value) {
  OnMainThread([&] {
    Control& found = Lookup(window, control);
    if (number >= 8) {
      found.Set(number, value);
    } else {
      WriteCommon(found, window, control, number, value);
    }
  });
}

void WritePropertyIfOpen(std::string_view window, std::string_view control, int32_t number,
                         const PropertyValue& value) {
  if (ProgramEnding()) return;
  OnMainThread([&] {
    const LoadedWindow* loaded = FindLoadedWindow(window);
    if (ProgramEnding() || !loaded || !loaded->widget || !loaded->widget->isVisible()) return;
    WriteProperty(window, control, number, value);
  });
}

}  // namespace quorvella
