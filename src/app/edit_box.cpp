#include "app/edit_box.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <limits>

#include "app/qt_text.h"

namespace quorvella {
namespace {

void BlackOnWhite(QWidget* box) {
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  box->setPalette(palette);
}

}  // namespace

EditBox::EditBox(QWidget* parent, const ControlRow& row) {
  if (row.multi_line) {
    lines_ = new QPlainTextEdit(parent);
    lines_->setLineWrapMode(QPlainTextEdit::NoWrap);
    lines_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lines_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    widget_ = lines_;
  } else {
    line_ = new QLineEdit(parent);
    line_->setMaxLength(std::numeric_limits<int>::max());
    widget_ = line_;
  }
  BlackOnWhite(widget_);
  Set(8, FromQString(QString::fromUtf8(row.text)));
}

PropertyValue EditBox::Get(int32_t number) const {
  if (number != 8) return {};
  if (line_) return FromQString(line_->text());
  QString text = lines_->toPlainText();
  return FromQString(text.replace(QLatin1Char('\n'), QLatin1String("\r\n")));
}

void EditBox::Set(int32_t number, const PropertyValue& value) {
  if (number != 8) return;
  QString text = ToQString(AsText(value));
  if (line_) {
    line_->setText(text);
    line_->setCursorPosition(0);
  } else {
    lines_->setPlainText(text.replace(QLatin1String("\r\n"), QLatin1String("\n")));
  }
}

}  // namespace quorvella
