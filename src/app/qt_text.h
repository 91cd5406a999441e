#pragma once

#include <QString>

#include "values/text.h"

namespace quorvella {

// Texts cross to and from Qt's strings here, through the code-page boundary of the values.
QString ToQString(const Text& text);
Text FromQString(const QString& string);

}  // namespace quorvella
