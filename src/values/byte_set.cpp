#include "values/byte_set.h"

namespace quorvella {

ByteSet TextToBytes(const Text& text) {
  return ByteSet(text.bytes());
}

Text BytesToText(const ByteSet& bytes) {
  return Text::Adopt(bytes.bytes());
}

}  // namespace quorvella
