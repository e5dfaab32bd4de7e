// Operating-system handles (pipes, events) and their owning wrapper.
#pragma once

#include <cstdint>
#include <utility>

namespace kt::platform {

// An open kernel object: a HANDLE on Windows, a backend object of ours on POSIX.
using Handle = void*;

// The value that some creation calls return instead of null when they fail.
inline Handle InvalidHandleValue() { return reinterpret_cast<Handle>(~std::uintptr_t{0}); }
inline bool IsValidHandle(Handle h) { return h != nullptr && h != InvalidHandleValue(); }

// Closes an open handle; null and the invalid value are ignored.
void CloseHandle(Handle h);

class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle h) : h_(h) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.h_, nullptr));
    return *this;
  }
  ~UniqueHandle() { Reset(); }

  void Reset(Handle h = nullptr) {
    Handle old = std::exchange(h_, h);
    if (IsValidHandle(old)) CloseHandle(old);
  }
  Handle Get() const { return h_; }
  [[nodiscard]] Handle Release() { return std::exchange(h_, nullptr); }
  bool IsValid() const { return IsValidHandle(h_); }

 private:
  Handle h_ = nullptr;
};

}  // namespace kt::platform
