#include "module/unknown_imp.h"

namespace kt {

CUnknownIMP::CUnknownIMP() : inner_(this) {}

CUnknownIMP::~CUnknownIMP() = default;

HResult KT_STDCALL CUnknownIMP::QueryInterface(const Guid& iid, void** out) {
  if (outer_ != nullptr) return outer_->QueryInterface(iid, out);
  return InternalQueryInterface(iid, out);
}

ULong KT_STDCALL CUnknownIMP::AddRef() {
  if (outer_ != nullptr) return outer_->AddRef();
  return InternalAddRef();
}

ULong KT_STDCALL CUnknownIMP::Release() {
  if (outer_ != nullptr) return outer_->Release();
  return InternalRelease();
}

ULong CUnknownIMP::InternalAddRef() { return static_cast<ULong>(++refCount_); }

ULong CUnknownIMP::InternalRelease() {
  if (--refCount_ > 0) return static_cast<ULong>(refCount_.load());
  FinalRelease();
  delete this;
  return 0;
}

HResult CUnknownIMP::FinalConstruct() { return kSOk; }

void CUnknownIMP::FinalRelease() {}

HResult CUnknownIMP::SetupAggregation(IUnknown* outer, IUnknown** inner) {
  if (inner == nullptr) return kEPointer;
  *inner = nullptr;
  if (refCount_.load() != 0) return kEFail;
  if (outer != nullptr) {
    auto* aggregate = new (std::nothrow) CAggregateImpl(this);
    if (aggregate == nullptr) return kEOutOfMemory;
    outer_ = outer;
    inner_ = aggregate;
    inner_->AddRef();
    *inner = inner_;
    return kSOk;
  }
  const HResult hr = QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&inner_));
  if (Succeeded(hr)) *inner = inner_;
  return hr;
}

HResult CUnknownIMP::RunFinalConstruct(CUnknownIMP* object) {
  ++object->refCount_;
  const HResult hr = object->FinalConstruct();
  --object->refCount_;
  if (Failed(hr)) delete object;
  return hr;
}

CAggregateImpl::~CAggregateImpl() { delete owner_; }

HResult KT_STDCALL CAggregateImpl::QueryInterface(const Guid& iid, void** out) {
  return owner_->InternalQueryInterface(iid, out);
}

ULong KT_STDCALL CAggregateImpl::AddRef() { return static_cast<ULong>(++refCount_); }

ULong KT_STDCALL CAggregateImpl::Release() {
  if (--refCount_ > 0) return static_cast<ULong>(refCount_.load());
  delete this;
  return 0;
}

}  // namespace kt
