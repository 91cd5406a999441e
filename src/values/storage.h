#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

namespace quorvella {

// Takes the bytes of a value piece by piece, in order; false stops the pieces.
using ChunkSink = std::function<bool(const char* data, size_t size)>;

// The block that owns the bytes behind Text and ByteSet values. Values are immutable views
// into a block, so cutting a value (left, right, middle) shares the block instead of copying.
// A block is either a heap buffer or a read-only mapping of a file.
class Storage {
 public:
  // A new heap block of `size` bytes for the caller to fill before sharing it.
  static Storage* NewHeap(int64_t size, char** bytes);

  void Retain() { refs_.fetch_add(1, std::memory_order_relaxed); }
  void Release();

  // Hands bytes [data, data + size) of this block to `sink`. A heap block hands them over as
  // they are; a mapped file reads them through a small buffer, so that a pass over a large
  // file neither maps its pages in nor holds them. False when a read fails or `sink` stops.
  virtual bool Stream(const char* data, size_t size, const ChunkSink& sink) const;
  // Lets go of the memory that bytes [data, data + size) hold in this process, where they can
  // be had again (a mapped file's pages); nothing for a heap block.
  virtual void Evict(const char* data, size_t size) const;

 protected:
  Storage() = default;
  virtual ~Storage() = default;
  virtual void Destroy();

 private:
  std::atomic<int32_t> refs_{1};
};

// Shared bytes: a counted reference to a block and the range of it that a value holds.
// Null (no block) with size 0 stands for the empty value; literals have no block either.
class SharedBytes {
 public:
  SharedBytes() = default;
  SharedBytes(Storage* adopted, const char* data, int32_t size)
      : owner_(adopted), data_(data), size_(size) {}
  static SharedBytes Static(const char* data, int32_t size) { return {nullptr, data, size}; }
  // A heap copy of `bytes`.
  static SharedBytes Copy(std::string_view bytes);

  SharedBytes(const SharedBytes& other);
  SharedBytes(SharedBytes&& other) noexcept;
  SharedBytes& operator=(SharedBytes other) noexcept;
  ~SharedBytes();

  const char* data() const { return size_ ? data_ : ""; }
  int32_t size() const { return size_; }
  std::string_view view() const { return {data(), static_cast<size_t>(size_)}; }
  // Bytes [offset, offset + count) of this value, sharing its block; the caller keeps them in
  // range.
  SharedBytes Slice(int32_t offset, int32_t count) const;
  // Hands bytes [offset, offset + count) to `sink` in pieces; see Storage::Stream.
  bool Stream(int32_t offset, int32_t count, const ChunkSink& sink) const;
  void Evict(int32_t offset, int32_t count) const;

 private:
  Storage* owner_ = nullptr;
  const char* data_ = nullptr;
  int32_t size_ = 0;
};

}  // namespace quorvella
