#pragma once

#include "values/text.h"

namespace quorvella {

// The split job's fixed texts, stored as the system's code page bytes whatever this source
// file's encoding; each comment gives the text.

// 本书使用<Quorvella>分割 — written at the start of every part but the last.
inline const Text kPartHeader = "\xb1\xbe\xca\xe9\xca\xb9\xd3\xc3<Quorvella>\xb7\xd6\xb8\xee"_text;

// 错误！
inline const Text kErrorTitle = "\xb4\xed\xce\xf3\xa3\xa1"_text;

// 请选择要分割的文件！
inline const Text kNoBookMessage =
    "\xc7\xeb\xd1\xa1\xd4\xf1\xd2\xaa\xb7\xd6\xb8\xee\xb5\xc4\xce\xc4\xbc\xfe\xa3\xa1"_text;

// 无法读取要分割的文件！
inline const Text kUnreadableBookMessage =
    "\xce\xde\xb7\xa8\xb6\xc1\xc8\xa1\xd2\xaa\xb7\xd6\xb8\xee\xb5\xc4\xce\xc4\xbc\xfe\xa3\xa1"_text;

// 文件不是纯文本，无法分割！
inline const Text kNotPlainTextMessage =
    "\xce\xc4\xbc\xfe\xb2\xbb\xca\xc7\xb4\xbf\xce\xc4\xb1\xbe\xa3\xac"
    "\xce\xde\xb7\xa8\xb7\xd6\xb8\xee\xa3\xa1"_text;

// 请输入 1 到 10000 之间的分割份数！
inline const Text kBadCountMessage =
    "\xc7\xeb\xca\xe4\xc8\xeb 1 \xb5\xbd 10000 \xd6\xae\xbc\xe4\xb5\xc4"
    "\xb7\xd6\xb8\xee\xb7\xdd\xca\xfd\xa3\xa1"_text;

// 以下文件写入失败：
inline const Text kWriteFailedMessage =
    "\xd2\xd4\xcf\xc2\xce\xc4\xbc\xfe\xd0\xb4\xc8\xeb\xca\xa7\xb0\xdc\xa3\xba"_text;

}  // namespace quorvella
