#pragma once

#include <cstdint>
#include <variant>

#include "values/byte_set.h"
#include "values/text.h"

class QWidget;

namespace quorvella {

// The value of a control's property: nothing (a property the kind does not have), an integer
// or colour, a logical value, a text or a byte set.
using PropertyValue = std::variant<std::monostate, int32_t, bool, Text, ByteSet>;

// A control of a window, as the property service sees it: its widget (none for a control
// with no visible presence) and the getters and setters of its kind's own properties,
// numbered from 8. They run on the main thread.
class Control {
 public:
  virtual ~Control() = default;
  virtual QWidget* widget() = 0;
  virtual PropertyValue Get(int32_t number) const = 0;
  virtual void Set(int32_t number, const PropertyValue& value) = 0;
};

// Helpers for setters: the value as the type a property wants, or a neutral one.
Text AsText(const PropertyValue& value);
int32_t AsInt(const PropertyValue& value);
// A logical setting counts as set only when it is exactly 1.
bool AsLogical(const PropertyValue& value);

}  // namespace quorvella
