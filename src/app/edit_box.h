#pragma once

#include <QPointer>
#include <QWidget>

#include "app/control.h"
#include "app/control_table.h"

class QLineEdit;
class QPlainTextEdit;

namespace quorvella {

// 编辑框: a sunken box of black text on white. Single-line boxes scroll sideways and have no
// length limit; a multi-line box keeps its line breaks as CR LF, as the text it was given.
// Property 8 is Content.
class EditBox final : public Control {
 public:
  EditBox(QWidget* parent, const ControlRow& row);
  QWidget* widget() override { return widget_; }
  PropertyValue Get(int32_t number) const override;
  void Set(int32_t number, const PropertyValue& value) override;

 private:
  QPointer<QLineEdit> line_;
  QPointer<QPlainTextEdit> lines_;
  QPointer<QWidget> widget_;
};

}  // namespace quorvella
