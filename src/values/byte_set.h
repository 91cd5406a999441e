#pragma once

#include <cstdint>
#include <string_view>

#include "values/storage.h"
#include "values/text.h"

namespace quorvella {

// An immutable array of bytes of any value, 0 included: what is written to files and what
// comes back from the network. The default value is the empty byte set.
class ByteSet {
 public:
  ByteSet() = default;
  explicit ByteSet(SharedBytes bytes) : bytes_(std::move(bytes)) {}
  static ByteSet Copy(std::string_view bytes) { return ByteSet(SharedBytes::Copy(bytes)); }

  int32_t size() const { return bytes_.size(); }
  bool empty() const { return bytes_.size() == 0; }
  const char* data() const { return bytes_.data(); }
  std::string_view view() const { return bytes_.view(); }
  const SharedBytes& bytes() const { return bytes_; }

 private:
  SharedBytes bytes_;
};

// The bytes of a text, sharing them.
ByteSet TextToBytes(const Text& text);
// The bytes up to the first 0 byte as a text, with no conversion of any kind.
Text BytesToText(const ByteSet& bytes);

}  // namespace quorvella
