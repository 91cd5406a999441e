#include "values/fatal_messages.h"

#include <string>

namespace quorvella {

Text OutOfMemoryMessage(int64_t bytes) {
  const std::string before = "\xb7\xd6\xc5\xe4 ";  // "分配 "
  const std::string after =
      " \xd7\xd6\xbd\xda\xc4\xda\xb4\xe6\xca\xa7\xb0\xdc!";  // " 字节内存失败!"
  return Text::Copy(before + std::to_string(bytes) + after);
}

}  // namespace quorvella
