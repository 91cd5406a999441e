#include "values/text.h"

#include <cstring>

namespace quorvella {
namespace {

size_t BeforeFirstZero(const char* bytes, size_t size) {
  const void* zero = std::memchr(bytes, 0, size);
  return zero ? static_cast<size_t>(static_cast<const char*>(zero) - bytes) : size;
}

}  // namespace

Text Text::Copy(std::string_view bytes) {
  return Text(SharedBytes::Copy(bytes.substr(0, BeforeFirstZero(bytes.data(), bytes.size()))));
}

Text Text::Adopt(SharedBytes bytes) {
  const int32_t size = static_cast<int32_t>(BeforeFirstZero(bytes.data(), bytes.size()));
  return Text(bytes.Slice(0, size));
}

Text Text::Literal(const char* bytes, size_t size) {
  return Text(SharedBytes::Static(bytes, static_cast<int32_t>(BeforeFirstZero(bytes, size))));
}

}  // namespace quorvella
