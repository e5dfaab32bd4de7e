// Owning pointer for counted interfaces: releases its reference when it goes.
#pragma once

#include <utility>

#include "kt/abi/base.h"

namespace kt {

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes over a reference that the caller already holds.
  explicit ComPtr(T* p) : p_(p) {}
  ComPtr(const ComPtr& other) : p_(other.p_) {
    if (p_) p_->AddRef();
  }
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }
  ~ComPtr() { Reset(); }

  // A new reference to p.
  static ComPtr Share(T* p) {
    if (p) p->AddRef();
    return ComPtr(p);
  }

  void Reset() {
    if (T* p = std::exchange(p_, nullptr)) p->Release();
  }
  T* Get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // Hands the reference to the caller.
  [[nodiscard]] T* Detach() { return std::exchange(p_, nullptr); }
  // Out argument for a call that hands over a reference; drops the current one first.
  T** Put() {
    Reset();
    return &p_;
  }
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }

 private:
  T* p_ = nullptr;
};

// QueryInterface into a ComPtr; the result code is the query's.
template <class T, class Source>
HResult QueryInto(Source* source, const Guid& iid, ComPtr<T>& out) {
  return source->QueryInterface(iid, out.PutVoid());
}

}  // namespace kt
