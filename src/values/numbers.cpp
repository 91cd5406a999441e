#include "values/numbers.h"

#include <cmath>
#include <string>

namespace quorvella {
namespace {

// The one-byte form of a two-byte character, or 0 when it has none.
unsigned char HalfWidthForm(unsigned char lead, unsigned char trail) {
  if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return trail - 0x80;  // ！ to ～
  if (lead == 0xA1 && trail == 0xA1) return ' ';                            // ideographic space
  if (lead == 0xA1 && trail == 0xAB) return '~';
  if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) return '*';  // ☆ ★
  return 0;
}

std::string FoldFullWidth(const Text& text) {
  std::string folded;
  folded.reserve(static_cast<size_t>(text.size()));
  for (int32_t i = 0; i < text.size(); ++i) {
    const unsigned char byte = text[i];
    if (byte < 0x80) {
      folded.push_back(static_cast<char>(byte));
    } else if (i + 1 < text.size()) {
      const unsigned char trail = text[++i];
      if (unsigned char half = HalfWidthForm(byte, trail)) {
        folded.push_back(static_cast<char>(half));
      } else {
        folded.push_back(static_cast<char>(byte));
        folded.push_back(static_cast<char>(trail));
      }
    }  // a lead byte that ends the text is dropped
  }
  return folded;
}

// The low 32 bits of a whole number held in a double, or 0 outside the 64-bit range.
int32_t LowBits(double whole) {
  if (!(whole >= -9223372036854775808.0 && whole < 9223372036854775808.0)) return 0;
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(whole)));
}

}  // namespace

int32_t TextToInt(const Text& text) {
  const std::string folded = FoldFullWidth(text);
  size_t i = 0;
  while (i < folded.size() && (folded[i] == ' ' || (folded[i] >= '\t' && folded[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) negative = folded[i++] == '-';
  uint32_t value = 0;
  for (; i < folded.size() && folded[i] >= '0' && folded[i] <= '9'; ++i) {
    value = value * 10u + static_cast<uint32_t>(folded[i] - '0');
  }
  return static_cast<int32_t>(negative ? 0u - value : value);
}

Text IntToText(int32_t number) {
  return Text::Copy(std::to_string(number));
}

int32_t FloorToInt(double x) {
  if (!std::isfinite(x)) return 0;
  double whole = 0;
  const double fraction = std::modf(x, &whole);
  if (x > 0 && std::fabs(fraction) > 0.999999999999) x = whole + 1;
  return LowBits(std::floor(x));
}

int32_t TruncToInt(double x) {
  if (!std::isfinite(x)) return 0;
  return LowBits(std::trunc(x));
}

}  // namespace quorvella
