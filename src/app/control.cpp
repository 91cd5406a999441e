#include "app/control.h"

namespace quorvella {

Text AsText(const PropertyValue& value) {
  if (const Text* text = std::get_if<Text>(&value)) return *text;
  return {};
}

int32_t AsInt(const PropertyValue& value) {
  if (const int32_t* number = std::get_if<int32_t>(&value)) return *number;
  if (const bool* logical = std::get_if<bool>(&value)) return *logical ? 1 : 0;
  return 0;
}

bool AsLogical(const PropertyValue& value) {
  return AsInt(value) == 1;
}

}  // namespace quorvella
