#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "values/storage.h"

namespace quorvella {

// An immutable byte string in the system's code page (GB18030, a superset of GBK). It never
// holds a 0 byte: every way of building one ends it at the first 0. The default value is the
// empty text, and there is no separate null. Lengths and positions count bytes.
class Text {
 public:
  Text() = default;

  // A copy of `bytes` up to their first 0 byte.
  static Text Copy(std::string_view bytes);
  // `bytes` up to their first 0 byte, sharing their block.
  static Text Adopt(SharedBytes bytes);
  // `bytes` that the caller has already found free of 0 bytes, sharing their block.
  static Text AdoptZeroFree(SharedBytes bytes) { return Text(std::move(bytes)); }
  // A literal of the program: static bytes that are not copied.
  static Text Literal(const char* bytes, size_t size);

  int32_t size() const { return bytes_.size(); }
  bool empty() const { return bytes_.size() == 0; }
  const char* data() const { return bytes_.data(); }
  std::string_view view() const { return bytes_.view(); }
  std::string str() const { return std::string(view()); }
  unsigned char operator[](int32_t index) const {
    return static_cast<unsigned char>(bytes_.data()[index]);
  }
  const SharedBytes& bytes() const { return bytes_; }

  // Bytes [offset, offset + count) as a text sharing this one's block; kept in range by the caller.
  Text Slice(int32_t offset, int32_t count) const { return Text(bytes_.Slice(offset, count)); }

  friend bool operator==(const Text& a, const Text& b) { return a.view() == b.view(); }

 private:
  explicit Text(SharedBytes bytes) : bytes_(std::move(bytes)) {}
  SharedBytes bytes_;
};

// "..."_text: a literal text, cut at its first 0 byte like every text.
inline Text operator""_text(const char* bytes, size_t size) {
  return Text::Literal(bytes, size);
}

}  // namespace quorvella
