#include "app/control_table.h"

namespace quorvella {

const WindowTable& MainWindowTable() {
  // The outer window is 335 x 208: a fixed 3-pixel frame each side and a 19-pixel caption.
  static const WindowTable table{
      "MainWindow",
      "Quorvella V3.3",
      329,
      183,
      {
          {"超文本浏览框2", ControlKind::kHtmlViewer, "画板1", -3, -2, 300, 90, true, true, ""},
          {"画板1", ControlKind::kDrawPanel, "MainWindow", 46, 112, 250, 60, true, false, ""},
          {"超级链接框2", ControlKind::kHyperLinker, "MainWindow", 8, 3, 312, 24, true, false,
           "说说你的读书感悟吧！"},
          {"分隔条1", ControlKind::kSplitterBar, "MainWindow", 19, 105, 300, 2, true, true, ""},
          {"编辑框3", ControlKind::kEditBox, "MainWindow", 0, 12, 24, 48, false, true, "\r\n",
           true},
          {"通用对话框1", ControlKind::kCommonDlg, "MainWindow", 208, 65, 26, 26, false, false, ""},
          {"按钮2", ControlKind::kButton, "MainWindow", 264, 73, 56, 24, true, true, "确定"},
          {"标签3", ControlKind::kLabel, "MainWindow", 154, 73, 40, 24, true, false, "份"},
          {"编辑框2", ControlKind::kEditBox, "MainWindow", 80, 73, 64, 24, true, true, ""},
          {"标签2", ControlKind::kLabel, "MainWindow", 19, 73, 61, 24, true, false, "分割份数："},
          {"按钮1", ControlKind::kButton, "MainWindow", 264, 34, 56, 24, true, true, "打开..."},
          {"编辑框1", ControlKind::kEditBox, "MainWindow", 80, 34, 176, 24, true, true, ""},
          {"标签1", ControlKind::kLabel, "MainWindow", 32, 34, 48, 24, true, false, "电子书："},
      }};
  return table;
}

}  // namespace quorvella
