#include "app/qt_text.h"

#include <optional>
#include <string>

#include "values/code_page.h"

namespace quorvella {

QString ToQString(const Text& text) {
  const std::optional<std::string> utf8 = ToUtf8(text);
  // Bytes that are not text of the code page are shown one character each, never dropped.
  if (!utf8) return QString::fromLatin1(text.data(), text.size());
  return QString::fromUtf8(utf8->data(), static_cast<qsizetype>(utf8->size()));
}

Text FromQString(const QString& string) {
  const QByteArray utf8 = string.toUtf8();
  return FromUtf8(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())))
      .value_or(Text());
}

}  // namespace quorvella
