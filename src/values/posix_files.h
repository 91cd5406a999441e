#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "values/storage.h"

namespace quorvella::posix {

// The file system calls of the system, on native (locale-encoded) names and descriptors.

enum class OpenMode { kRead, kWrite, kReadWrite };
enum class Existing { kMustExist, kCreate, kCreateEmpty };

// Opens a regular file, or gives -1. A file that grants write permission to no one counts as
// read-only for everyone, and is not opened for writing.
int OpenRegularFile(const std::string& name, OpenMode mode, Existing existing);
void CloseFile(int fd);

std::optional<int64_t> FileSize(int fd);
std::optional<int64_t> FilePosition(int fd);
void SetFilePosition(int fd, int64_t position);

// `size` bytes from `offset` of the file, mapped read-only; the mapping lives as long as the
// bytes are shared.
std::optional<SharedBytes> MapFileRange(int fd, int64_t offset, int32_t size);

// Opens `name` for writing a new content: created, or emptied. Refused (-1) for anything but a
// regular file, a file marked read-only, and a file whose bytes are mapped by this process.
int OpenForRewrite(const std::string& name);
// Writes all of `bytes`; false when a write fails or stops short.
bool WriteAll(int fd, const SharedBytes& bytes);
// Closes a file that was written; false when the close reports an earlier write's failure.
bool FinishWrite(int fd);

}  // namespace quorvella::posix
