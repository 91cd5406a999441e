#include "values/posix_files.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <new>
#include <set>
#include <utility>

#include "values/memory.h"

namespace quorvella::posix {
namespace {

using FileId = std::pair<dev_t, ino_t>;

// The files this process has mapped: rewriting one would pull its bytes away from under the
// values that hold them.
class MappedFiles {
 public:
  void Add(FileId id) {
    std::lock_guard lock(mutex_);
    ids_.insert(id);
  }
  void Remove(FileId id) {
    std::lock_guard lock(mutex_);
    ids_.erase(ids_.find(id));
  }
  bool Contains(FileId id) {
    std::lock_guard lock(mutex_);
    return ids_.count(id) != 0;
  }

 private:
  std::mutex mutex_;
  std::multiset<FileId> ids_;
};

MappedFiles& Mapped() {
  static MappedFiles* files = new MappedFiles();  // outlives every value, never destroyed
  return *files;
}

// A read-only mapping of part of a file. The mapping serves the few bytes that are looked at
// one by one; passes over many bytes read them with pread, which is faster than faulting the
// pages in and keeps the process small whatever the file's size.
class MappedStorage final : public Storage {
 public:
  MappedStorage(void* base, size_t length, int64_t offset, int fd, FileId id)
      : base_(base), length_(length), offset_(offset), fd_(fd), id_(id) {
    Mapped().Add(id_);
  }

  bool Stream(const char* data, size_t size, const ChunkSink& sink) const override {
    constexpr size_t kBuffer = 128 << 10;  // small enough to stay in the cache between read and use
    std::unique_ptr<char, decltype(&std::free)> buffer(
        static_cast<char*>(AllocateBytes(static_cast<int64_t>(std::min(size, kBuffer)))),
        &std::free);
    int64_t position = offset_ + (data - static_cast<const char*>(base_));
    for (size_t left = size; left > 0;) {
      const ssize_t got = pread(fd_, buffer.get(), std::min(left, kBuffer), position);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) return false;  // a read error, or the file was cut short meanwhile
      if (!sink(buffer.get(), static_cast<size_t>(got))) return false;
      position += got;
      left -= static_cast<size_t>(got);
    }
    return true;
  }

  void Evict(const char* data, size_t size) const override {
    const auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto begin = reinterpret_cast<uintptr_t>(data);
    const uintptr_t first = (begin + page - 1) / page * page;
    const uintptr_t last = (begin + size) / page * page;
    if (first < last) madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
  }

 private:
  ~MappedStorage() override {
    munmap(base_, length_);
    close(fd_);
    Mapped().Remove(id_);
  }

  void* base_;
  size_t length_;
  int64_t offset_;  // of base_ in the file
  int fd_;          // a descriptor of its own, so the file may be closed meanwhile
  FileId id_;
};

bool MarkedReadOnly(const struct stat& status) {
  return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace

int OpenRegularFile(const std::string& name, OpenMode mode, Existing existing) {
  int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;  // never wait on a FIFO or device
  flags |= mode == OpenMode::kRead ? O_RDONLY : mode == OpenMode::kWrite ? O_WRONLY : O_RDWR;
  if (existing != Existing::kMustExist) flags |= O_CREAT;
  const int fd = open(name.c_str(), flags, 0666);
  if (fd < 0) return -1;
  struct stat status {};
  if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
      (mode != OpenMode::kRead && MarkedReadOnly(status))) {
    close(fd);
    return -1;
  }
  if (existing == Existing::kCreateEmpty && ftruncate(fd, 0) != 0) {
    close(fd);
    return -1;
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

void CloseFile(int fd) {
  close(fd);
}

std::optional<int64_t> FileSize(int fd) {
  struct stat status {};
  if (fstat(fd, &status) != 0) return std::nullopt;
  return static_cast<int64_t>(status.st_size);
}

std::optional<int64_t> FilePosition(int fd) {
  const off_t position = lseek(fd, 0, SEEK_CUR);
  if (position < 0) return std::nullopt;
  return static_cast<int64_t>(position);
}

void SetFilePosition(int fd, int64_t position) {
  lseek(fd, static_cast<off_t>(position), SEEK_SET);
}

std::optional<SharedBytes> MapFileRange(int fd, int64_t offset, int32_t size) {
  if (size <= 0) return SharedBytes();
  struct stat status {};
  if (fstat(fd, &status) != 0) return std::nullopt;
  const auto page = static_cast<int64_t>(sysconf(_SC_PAGESIZE));
  const int64_t map_offset = offset / page * page;
  const auto length = static_cast<size_t>(offset - map_offset + size);
  void* base = mmap(nullptr, length, PROT_READ, MAP_PRIVATE, fd, static_cast<off_t>(map_offset));
  if (base == MAP_FAILED) return std::nullopt;
  const int own_fd = fcntl(fd, F_DUPFD_CLOEXEC, 0);
  if (own_fd < 0) {
    munmap(base, length);
    return std::nullopt;
  }
  auto* storage = new (std::nothrow)
      MappedStorage(base, length, map_offset, own_fd, {status.st_dev, status.st_ino});
  if (!storage) {
    munmap(base, length);
    close(own_fd);
    ReportOutOfMemory(static_cast<int64_t>(sizeof(MappedStorage)));
  }
  return SharedBytes(storage, static_cast<const char*>(base) + (offset - map_offset), size);
}

int OpenForRewrite(const std::string& name) {
  // Opened without truncating, so that a refused file keeps its content.
  const int fd = OpenRegularFile(name, OpenMode::kWrite, Existing::kCreate);
  if (fd < 0) return -1;
  struct stat status {};
  if (fstat(fd, &status) != 0 || Mapped().Contains({status.st_dev, status.st_ino}) ||
      ftruncate(fd, 0) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

bool WriteAll(int fd, const SharedBytes& bytes) {
  return bytes.Stream(0, bytes.size(), [fd](const char* data, size_t size) {
    while (size > 0) {
      const ssize_t written = write(fd, data, size);
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return false;
      data += written;
      size -= static_cast<size_t>(written);
    }
    return true;
  });
}

bool FinishWrite(int fd) {
  return close(fd) == 0;
}

}  // namespace quorvella::posix
