#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "values/text.h"

namespace quorvella::testing {

// A text in the system's code page from UTF-8 written in a test.
Text G(std::string_view utf8);
// Raw bytes as a text; they must hold no 0.
inline Text T(std::string_view bytes) {
  return Text::Copy(bytes);
}

// A fresh directory that is removed with everything in it at the end of the test.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The path of `name` inside the directory, as a text.
  Text TextPath(std::string_view utf8_name) const;
  // Writes `bytes` into `name` and gives back its path as a text.
  Text Write(std::string_view utf8_name, std::string_view bytes) const;
  // The names of the files in the directory, sorted, in UTF-8.
  std::vector<std::string> Names() const;

 private:
  std::filesystem::path path_;
};

std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace quorvella::testing
