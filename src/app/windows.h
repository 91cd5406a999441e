#pragma once

#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "app/control.h"
#include "app/control_table.h"

namespace quorvella {

// A window built from its table: its top-level widget and its controls by name.
struct LoadedWindow {
  const WindowTable* table = nullptr;
  QPointer<QWidget> widget;  // null once the window is destroyed
  std::map<std::string, std::unique_ptr<Control>, std::less<>> controls;
};

// The windows loaded in this run, by name.
LoadedWindow& AddLoadedWindow(const WindowTable& table);
LoadedWindow* FindLoadedWindow(std::string_view name);
// A control of a loaded window, or null.
Control* FindControl(std::string_view window, std::string_view control);
// Destroys every loaded window and forgets them.
void CloseLoadedWindows();

// The property service: a property of a control addressed by window, control and number.
// Numbers 0 to 7 are common to every kind (Left, Top, Width, Height, Tag, Visible, Disabled,
// Cursor); a kind's own start at 8. A window that is not loaded, or a control whose window does
// not exist, is a fatal error. Callable from any thread: the control is reached on the main
// thread while the caller waits.
PropertyValue ReadProperty(std::string_view window, std::string_view control, int32_t number);
void WriteProperty(std::string_view window, std::string_view control, int32_t number,
                   const PropertyValue& value);
// The same write for a thread that may finish while the window closes: a window that is gone
// or closing, or a program that is ending, is left alone.
void WritePropertyIfOpen(std::string_view window, std::string_view control, int32_t number,
                         const PropertyValue& value);

}  // namespace quorvella
