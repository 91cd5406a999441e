#include "controls/info_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

#include "app/qt_text.h"

namespace quorvella {
namespace {

struct ButtonChoice {
  QMessageBox::StandardButton button;
  int32_t result;
};

std::vector<ButtonChoice> ButtonsFor(int32_t flags) {
  using B = QMessageBox;
  switch (flags & 0xF) {
    case 1:
      return {{B::Ok, 0}, {B::Cancel, 1}};
    case 2:
      return {{B::Abort, 2}, {B::Retry, 3}, {B::Ignore, 4}};
    case 3:
      return {{B::Yes, 5}, {B::No, 6}, {B::Cancel, 1}};
    case 4:
      return {{B::Yes, 5}, {B::No, 6}};
    case 5:
      return {{B::Retry, 3}, {B::Cancel, 1}};
    default:
      return {{B::Ok, 0}};
  }
}

QMessageBox::Icon IconFor(int32_t flags) {
  switch (flags & 0xF0) {
    case 0x10:
      return QMessageBox::Critical;
    case 0x20:
      return QMessageBox::Question;
    case 0x30:
      return QMessageBox::Warning;
    case 0x40:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

}  // namespace

int32_t InfoBox(const Text& message, int32_t flags, std::optional<Text> title) {
  // 信息：
  const QString caption = title ? ToQString(*title) : QStringLiteral("信息：");
  QMessageBox box(IconFor(flags), caption, ToQString(message), QMessageBox::NoButton,
                  QApplication::activeWindow());
  box.setWindowModality(Qt::ApplicationModal);
  const std::vector<ButtonChoice> choices = ButtonsFor(flags);
  for (const ButtonChoice& choice : choices) box.addButton(choice.button);
  const size_t default_index = static_cast<size_t>((flags & 0xF00) >> 8);
  if (default_index < choices.size()) box.setDefaultButton(choices[default_index].button);
  box.exec();
  const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
  for (const ButtonChoice& choice : choices) {
    if (choice.button == pressed) return choice.result;
  }
  return 0;
}

}  // namespace quorvella
