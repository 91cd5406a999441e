#include "values/code_page.h"

#include <iconv.h>
#include <langinfo.h>

#include <cstring>

namespace quorvella {
namespace {

constexpr const char* kSystemCodePage = "GB18030";

const char* LocaleCodeSet() {
  const char* code_set = nl_langinfo(CODESET);
  // The C locale names plain ASCII; file names on this platform are UTF-8 in practice.
  if (!code_set || !*code_set || std::strcmp(code_set, "ANSI_X3.4-1968") == 0) return "UTF-8";
  return code_set;
}

std::optional<std::string> Convert(std::string_view bytes, const char* from, const char* to) {
  if (bytes.empty()) return std::string();
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string result(bytes.size() * 4 + 16, '\0');
  char* in = const_cast<char*>(bytes.data());
  size_t in_left = bytes.size();
  char* out = result.data();
  size_t out_left = result.size();
  const bool ok = iconv(converter, &in, &in_left, &out, &out_left) != static_cast<size_t>(-1) &&
                  iconv(converter, nullptr, nullptr, &out, &out_left) != static_cast<size_t>(-1);
  iconv_close(converter);
  if (!ok || in_left != 0) return std::nullopt;
  result.resize(result.size() - out_left);
  return result;
}

std::optional<Text> ToText(std::optional<std::string> converted) {
  // A converted 0 byte would cut the text short; such input has no place in a text.
  if (!converted || converted->find('\0') != std::string::npos) return std::nullopt;
  return Text::Copy(*converted);
}

}  // namespace

std::optional<std::string> ToLocale(const Text& text) {
  return Convert(text.view(), kSystemCodePage, LocaleCodeSet());
}

std::optional<Text> FromLocale(std::string_view bytes) {
  return ToText(Convert(bytes, LocaleCodeSet(), kSystemCodePage));
}

std::optional<Text> FromUtf8(std::string_view bytes) {
  return ToText(Convert(bytes, "UTF-8", kSystemCodePage));
}

Text Utf8Text(std::string_view literal) {
  return FromUtf8(literal).value_or(Text());
}

std::optional<std::string> ToUtf8(const Text& text) {
  return Convert(text.view(), kSystemCodePage, "UTF-8");
}

}  // namespace quorvella
