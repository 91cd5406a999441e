#include "controls/common_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <algorithm>

#include "app/qt_text.h"
#include "controls/file_filter.h"
#include "values/code_page.h"
#include "values/text_operations.h"

namespace quorvella {
namespace {

constexpr int32_t kMostFileNameBytes = 259;

// Qt lists a filter as "description (patterns)", patterns separated by blanks.
QString QtFilter(const FilterPair& pair) {
  QString patterns = ToQString(pair.pattern);
  patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
  return ToQString(pair.description) + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

}  // namespace

CommonDlg::CommonDlg(QWidget* owner, const ControlRow&) : owner_(owner) {
  filter_ = Utf8Text("文本文件|*.txt");
}

PropertyValue CommonDlg::Get(int32_t number) const {
  switch (number) {
    case 8:
      return type_;
    case 9:
      return title_;
    case 10:
      return file_name_;
    case 11:
      return filter_;
    case 12:
      return initial_filter_;
    case 13:
      return initial_dir_;
    case 14:
      return default_ext_;
    case 15:
      return create_prompt_ == 1;
    case 16:
      return file_must_exist_ == 1;
    case 17:
      return overwrite_prompt_ == 1;
    case 18:
      return path_must_exist_ == 1;
    case 19:
      return no_change_dir_ == 1;
    default:
      return {};
  }
}

void CommonDlg::Set(int32_t number, const PropertyValue& value) {
  switch (number) {
    case 8:
      type_ = std::clamp(AsInt(value), 0, 3);
      break;
    case 9:
      title_ = AsText(value);
      break;
    case 10:
      file_name_ = AsText(value);
      break;
    case 11:
      filter_ = AsText(value);
      break;
    case 12:
      initial_filter_ = std::max(AsInt(value), 0);
      break;
    case 13:
      initial_dir_ = AsText(value);
      break;
    case 14:
      default_ext_ = AsText(value);
      break;
    case 15:
      create_prompt_ = AsInt(value);
      break;
    case 16:
      file_must_exist_ = AsInt(value);
      break;
    case 17:
      overwrite_prompt_ = AsInt(value);
      break;
    case 18:
      path_must_exist_ = AsInt(value);
      break;
    case 19:
      no_change_dir_ = AsInt(value);
      break;
    default:
      break;
  }
}

bool CommonDlg::Show() {
  if (type_ > 1) return false;  // the font and help variants are not part of this system
  QWidget* focused = QApplication::focusWidget();
  QFileDialog dialog(owner_, ToQString(title_));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setAcceptMode(type_ == 1 ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(type_ == 0 && file_must_exist_ == 1 ? QFileDialog::ExistingFile
                                                         : QFileDialog::AnyFile);
  if (overwrite_prompt_ != 1) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  QStringList filters;
  for (const FilterPair& pair : ParseFilter(filter_)) filters << QtFilter(pair);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters[std::min<qsizetype>(initial_filter_, filters.size() - 1)]);
  }
  if (!initial_dir_.empty()) dialog.setDirectory(ToQString(initial_dir_));
  if (!default_ext_.empty()) dialog.setDefaultSuffix(ToQString(default_ext_));
  if (!file_name_.empty()) dialog.selectFile(ToQString(TextLeft(file_name_, kMostFileNameBytes)));

  const bool confirmed = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
  if (focused) focused->setFocus();
  if (!confirmed) return false;
  file_name_ = FromQString(QDir::toNativeSeparators(dialog.selectedFiles().first()));
  return true;
}

}  // namespace quorvella
