#pragma once

#include <cstdint>
#include <vector>

namespace quorvella {

// The kinds of control a window table can hold.
enum class ControlKind {
  kHtmlViewer,   // 超文本浏览框
  kDrawPanel,    // 画板
  kHyperLinker,  // 超级链接框
  kSplitterBar,  // 分隔条
  kEditBox,      // 编辑框
  kCommonDlg,    // 通用对话框
  kButton,       // 按钮
  kLabel,        // 标签
};

// One row of a window's control table. Places are relative to the parent's client area;
// sizes are outer sizes.
struct ControlRow {
  const char* name;  // the control's own name, UTF-8
  ControlKind kind;
  const char* parent;  // the window's name, or the name of the control it sits in
  int left, top, width, height;
  bool visible;
  bool tab_stop;
  const char* text;         // Caption or Content, UTF-8; empty when the row stores none
  bool multi_line = false;  // edit boxes only
};

// A window as data: its name, caption, client size and control table, rows in table order.
struct WindowTable {
  const char* name;
  const char* caption;
  int client_width, client_height;
  std::vector<ControlRow> rows;
};

const WindowTable& MainWindowTable();

}  // namespace quorvella
