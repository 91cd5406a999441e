#include "values/files.h"

#include <algorithm>
#include <limits>
#include <mutex>
#include <vector>

#include "values/code_page.h"
#include "values/plain_text.h"
#include "values/posix_files.h"

namespace quorvella {
namespace {

// The files opened by FileOpen, in the order of opening.
class OpenFileTable {
 public:
  FileNumber Add(int fd) {
    std::lock_guard lock(mutex_);
    entries_.push_back({next_number_, fd});
    return next_number_++;
  }
  std::optional<int> Find(FileNumber number) {
    std::lock_guard lock(mutex_);
    for (const Entry& entry : entries_) {
      if (entry.number == number) return entry.fd;
    }
    return std::nullopt;
  }
  void Close(FileNumber number) {
    std::lock_guard lock(mutex_);
    auto entry = std::find_if(entries_.begin(), entries_.end(),
                              [number](const Entry& e) { return e.number == number; });
    if (entry == entries_.end()) return;
    posix::CloseFile(entry->fd);
    entries_.erase(entry);
  }
  void CloseAll() {
    std::lock_guard lock(mutex_);
    for (const Entry& entry : entries_) posix::CloseFile(entry.fd);
    entries_.clear();
  }

 private:
  struct Entry {
    FileNumber number;
    int fd;
  };
  std::mutex mutex_;
  std::vector<Entry> entries_;
  FileNumber next_number_ = 1;
};

OpenFileTable& Table() {
  static OpenFileTable* table = new OpenFileTable();
  return *table;
}

struct AccessMode {
  posix::OpenMode mode;
  posix::Existing existing;
};

constexpr AccessMode kAccessModes[] = {
    {posix::OpenMode::kRead, posix::Existing::kMustExist},
    {posix::OpenMode::kWrite, posix::Existing::kMustExist},
    {posix::OpenMode::kReadWrite, posix::Existing::kMustExist},
    {posix::OpenMode::kWrite, posix::Existing::kCreateEmpty},
    {posix::OpenMode::kWrite, posix::Existing::kCreate},
    {posix::OpenMode::kReadWrite, posix::Existing::kCreate},
};

// Up to `count` bytes of the file from its current position, mapped.
std::optional<SharedBytes> MapFromPosition(int fd, std::optional<int64_t> count) {
  const std::optional<int64_t> size = posix::FileSize(fd);
  const std::optional<int64_t> position = posix::FilePosition(fd);
  if (!size || !position) return std::nullopt;
  const int64_t available = std::max<int64_t>(*size - *position, 0);
  const int64_t wanted = std::min(available, count.value_or(available));
  if (wanted > std::numeric_limits<int32_t>::max()) return std::nullopt;
  return posix::MapFileRange(fd, *position, static_cast<int32_t>(wanted));
}

}  // namespace

FileNumber FileOpen(const Text& name, int32_t access, int32_t share) {
  if (name.empty() || access < 1 || access > 6 || share < 1 || share > 4) return 0;
  const std::optional<std::string> native = ToLocale(name);
  if (!native) return 0;
  const AccessMode& mode = kAccessModes[access - 1];
  const int fd = posix::OpenRegularFile(*native, mode.mode, mode.existing);
  return fd < 0 ? 0 : Table().Add(fd);
}

Text FileReadText(FileNumber file, std::optional<int32_t> max_bytes) {
  if (max_bytes && *max_bytes <= 0) return {};
  const std::optional<int> fd = Table().Find(file);
  if (!fd) return {};
  std::optional<int64_t> count = max_bytes;
  if (!count) {
    const std::optional<int64_t> length = posix::FileSize(*fd);
    if (!length || *length > std::numeric_limits<int32_t>::max()) return {};
    count = *length;
  }
  const std::optional<int64_t> position = posix::FilePosition(*fd);
  const std::optional<SharedBytes> bytes = position ? MapFromPosition(*fd, count) : std::nullopt;
  const std::optional<PlainTextEnd> end = bytes ? FindPlainTextEnd(*bytes) : std::nullopt;
  if (!end) {  // the read failed: the position goes to the end of the file
    if (const std::optional<int64_t> size = posix::FileSize(*fd))
      posix::SetFilePosition(*fd, *size);
    return {};
  }
  posix::SetFilePosition(*fd, *position + end->stop);
  return Text::AdoptZeroFree(bytes->Slice(0, end->text_size));
}

std::optional<ByteSet> FileReadAll(FileNumber file) {
  const std::optional<int> fd = Table().Find(file);
  if (!fd) return std::nullopt;
  std::optional<SharedBytes> bytes = MapFromPosition(*fd, std::nullopt);
  if (!bytes) return std::nullopt;
  if (const std::optional<int64_t> size = posix::FileSize(*fd)) posix::SetFilePosition(*fd, *size);
  return ByteSet(std::move(*bytes));
}

void FileClose(FileNumber file) {
  Table().Close(file);
}

void CloseAllFiles() {
  Table().CloseAll();
}

bool FileWrite(const Text& name, std::initializer_list<ByteSet> parts) {
  if (name.empty()) return false;
  const std::optional<std::string> native = ToLocale(name);
  if (!native) return false;
  const int fd = posix::OpenForRewrite(*native);
  if (fd < 0) return false;
  bool written = true;
  for (const ByteSet& part : parts) {
    if (!(written = posix::WriteAll(fd, part.bytes()))) break;
  }
  return posix::FinishWrite(fd) && written;
}

}  // namespace quorvella
