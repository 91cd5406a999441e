#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "values/text.h"

namespace quorvella {

// The boundary between the system's code page (GB18030) and the operating system's text:
// file names, command-line arguments and what is printed on a terminal are in the locale's
// encoding, UTF-8 where the locale names none (the C locale). Bytes that do not convert
// give nothing, never a guess.
std::optional<std::string> ToLocale(const Text& text);
std::optional<Text> FromLocale(std::string_view bytes);

// GB18030 bytes from UTF-8 ones, for programs and tests that write texts in their sources.
std::optional<Text> FromUtf8(std::string_view bytes);
// The same for a program's own literal, which always converts.
Text Utf8Text(std::string_view literal);
std::optional<std::string> ToUtf8(const Text& text);

}  // namespace quorvella
