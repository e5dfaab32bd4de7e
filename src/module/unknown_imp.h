// Object base of every class the module hands to the host: reference count, the three IUnknown
// operations, aggregation by an outer object and the two-step creation protocol.
#pragma once

#include <atomic>
#include <new>
#include <utility>

#include "kt/abi/base.h"

namespace kt {

class CUnknownIMP : public IUnknown {
 public:
  CUnknownIMP(const CUnknownIMP&) = delete;
  CUnknownIMP& operator=(const CUnknownIMP&) = delete;

  // Delegating operations: to the outer object when aggregated, else to the internal ones.
  HResult KT_STDCALL QueryInterface(const Guid& iid, void** out) override;
  ULong KT_STDCALL AddRef() override;
  ULong KT_STDCALL Release() override;

  virtual ~CUnknownIMP();

  // Binds a freshly created object to its creator and hands the creator its first reference:
  // the primary interface, or with an outer the inner unknown.
  virtual HResult SetupAggregation(IUnknown* outer, IUnknown** inner);
  // Every concrete class answers from its own list, then passes on to its base's.
  virtual HResult InternalQueryInterface(const Guid& iid, void** out) = 0;
  virtual ULong InternalAddRef();
  virtual ULong InternalRelease();
  virtual HResult FinalConstruct();
  virtual void FinalRelease();

  // Steps 2 and 3 of the creation protocol: FinalConstruct inside a temporary count that never
  // destroys the object; a failure destroys it (without FinalRelease) and is returned.
  static HResult RunFinalConstruct(CUnknownIMP* object);

  // Reference count as it stands, for tests and diagnostics.
  std::int32_t RefCountForTesting() const { return refCount_.load(); }

 protected:
  CUnknownIMP();

  // Writes `self` into out with one reference taken through the delegating AddRef.
  HResult Answer(void* self, void** out) {
    AddRef();
    *out = self;
    return kSOk;
  }
  // The end of every InternalQueryInterface chain.
  static HResult NoInterface(void** out) {
    if (out == nullptr) return kEPointer;
    *out = nullptr;
    return kENoInterface;
  }
  IUnknown* PrimaryUnknown() { return this; }

 private:
  friend class CAggregateImpl;

  std::atomic<std::int32_t> refCount_{0};
  IUnknown* outer_ = nullptr;  // not counted
  IUnknown* inner_ = nullptr;
};

// Non-delegating unknown of an aggregated object; destroying it destroys the object.
class CAggregateImpl final : public IUnknown {
 public:
  explicit CAggregateImpl(CUnknownIMP* owner) : owner_(owner) {}
  CAggregateImpl(const CAggregateImpl&) = delete;
  CAggregateImpl& operator=(const CAggregateImpl&) = delete;
  virtual ~CAggregateImpl();

  HResult KT_STDCALL QueryInterface(const Guid& iid, void** out) override;
  ULong KT_STDCALL AddRef() override;
  ULong KT_STDCALL Release() override;

 private:
  std::atomic<std::int32_t> refCount_{0};
  CUnknownIMP* owner_;
};

// Steps 1 to 3 of the creation protocol: allocate and construct T, then run FinalConstruct.
// On success *created holds the object with count 0, ready for SetupAggregation.
template <class T, class... Args>
HResult ConstructObject(T** created, Args&&... args) {
  *created = nullptr;
  T* object = new (std::nothrow) T(std::forward<Args>(args)...);
  if (object == nullptr) return kEOutOfMemory;
  const HResult hr = CUnknownIMP::RunFinalConstruct(object);
  if (Failed(hr)) return hr;
  *created = object;
  return kSOk;
}

// The whole creation protocol: construct, FinalConstruct, SetupAggregation(outer, out).
template <class T, class... Args>
HResult CreateAggregatable(IUnknown* outer, IUnknown** out, Args&&... args) {
  T* object = nullptr;
  const HResult hr = ConstructObject(&object, std::forward<Args>(args)...);
  if (Failed(hr)) return hr;
  return object->SetupAggregation(outer, out);
}

// Declares, in a class with several IUnknown-derived bases, the one overrider that sends every
// interface's IUnknown slots to the object base.
#define KT_FORWARD_IUNKNOWN_TO(Base)                                         \
  ::kt::HResult KT_STDCALL QueryInterface(const ::kt::Guid& iid, void** out) \
      override {                                                             \
    return Base::QueryInterface(iid, out);                                   \
  }                                                                          \
  ::kt::ULong KT_STDCALL AddRef() override { return Base::AddRef(); }        \
  ::kt::ULong KT_STDCALL Release() override { return Base::Release(); }

}  // namespace kt
