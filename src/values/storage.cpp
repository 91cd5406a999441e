#include "values/storage.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#include "values/memory.h"

namespace quorvella {
namespace {

// A heap block: the header and the bytes in one allocation.
class HeapStorage final : public Storage {
 public:
  char* bytes() { return reinterpret_cast<char*>(this + 1); }

 private:
  void Destroy() override {
    this->~HeapStorage();
    std::free(this);
  }
};

}  // namespace

Storage* Storage::NewHeap(int64_t size, char** bytes) {
  void* block = AllocateBytes(static_cast<int64_t>(sizeof(HeapStorage)) + size);
  auto* heap = new (block) HeapStorage();
  *bytes = heap->bytes();
  return heap;
}

void Storage::Release() {
  if (refs_.fetch_sub(1, std::memory_order_acq_rel) == 1) Destroy();
}

bool Storage::Stream(const char* data, size_t size, const ChunkSink& sink) const {
  return sink(data, size);
}

void Storage::Evict(const char*, size_t) const {}

void Storage::Destroy() {
  delete this;
}

SharedBytes SharedBytes::Copy(std::string_view bytes) {
  if (bytes.empty()) return {};
  char* target = nullptr;
  Storage* heap = Storage::NewHeap(static_cast<int64_t>(bytes.size()), &target);
  std::memcpy(target, bytes.data(), bytes.size());
  return {heap, target, static_cast<int32_t>(bytes.size())};
}

SharedBytes::SharedBytes(const SharedBytes& other)
    : owner_(other.owner_), data_(other.data_), size_(other.size_) {
  if (owner_) owner_->Retain();
}

SharedBytes::SharedBytes(SharedBytes&& other) noexcept
    : owner_(std::exchange(other.owner_, nullptr)),
      data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)) {}

SharedBytes& SharedBytes::operator=(SharedBytes other) noexcept {
  std::swap(owner_, other.owner_);
  std::swap(data_, other.data_);
  std::swap(size_, other.size_);
  return *this;
}

SharedBytes::~SharedBytes() {
  if (owner_) owner_->Release();
}

SharedBytes SharedBytes::Slice(int32_t offset, int32_t count) const {
  if (count <= 0) return {};
  if (owner_) owner_->Retain();
  return {owner_, data_ + offset, count};
}

bool SharedBytes::Stream(int32_t offset, int32_t count, const ChunkSink& sink) const {
  if (count <= 0) return true;
  if (!owner_) return sink(data_ + offset, static_cast<size_t>(count));
  return owner_->Stream(data_ + offset, static_cast<size_t>(count), sink);
}

void SharedBytes::Evict(int32_t offset, int32_t count) const {
  if (owner_ && count > 0) owner_->Evict(data_ + offset, static_cast<size_t>(count));
}

}  // namespace quorvella
