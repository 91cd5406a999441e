#pragma once

#include <QPointer>
#include <QWidget>

#include "app/control.h"
#include "app/control_table.h"

namespace quorvella {

// 通用对话框: the settings of a file dialog, with no presence in the window. Its properties:
// 8 DlgType (0 open, 1 save; stored within 0 to 3), 9 DlgTitle, 10 FileName, 11 Filter,
// 12 InitialFilter (stored at least 0), 13 InitialDir, 14 DefaultExt, and the logical
// 15 CreatePrompt, 16 FileMustExist, 17 OverwritePrompt, 18 PathMustExist, 19 NoChangeDir.
class CommonDlg final : public Control {
 public:
  CommonDlg(QWidget* owner, const ControlRow& row);
  QWidget* widget() override { return nullptr; }
  PropertyValue Get(int32_t number) const override;
  void Set(int32_t number, const PropertyValue& value) override;

  // Shows the dialog modally over its window. True when the user confirmed a file, which
  // FileName then holds as a full path; otherwise FileName keeps what it held.
  bool Show();

 private:
  QPointer<QWidget> owner_;
  int32_t type_ = 0;
  Text title_, file_name_, filter_, initial_dir_, default_ext_;
  int32_t initial_filter_ = 0;
  int32_t create_prompt_ = 0, file_must_exist_ = 1, overwrite_prompt_ = 1, path_must_exist_ = 1,
          no_change_dir_ = 0;
};

}  // namespace quorvella
