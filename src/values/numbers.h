#pragma once

#include <cstdint>

#include "values/text.h"

namespace quorvella {

// The number at the start of a text, after blanks, with full-width digits, signs and blanks
// read as their ASCII forms. Digits accumulate in 32-bit arithmetic and wrap on overflow;
// a text without a number gives 0.
int32_t TextToInt(const Text& text);
Text IntToText(int32_t number);

// The greatest whole number not above `x`, where a positive x less than 1e-12 below a whole
// number counts as that number; the low 32 bits of it. Infinities, NaN and values outside the
// 64-bit range give 0.
int32_t FloorToInt(double x);
// `x` truncated toward zero, the low 32 bits of it; 0 where FloorToInt gives 0.
int32_t TruncToInt(double x);

}  // namespace quorvella
