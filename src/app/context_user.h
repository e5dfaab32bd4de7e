// The part of a component that accepts the host's context and keeps its object factory.
#pragma once

#include "kt/abi/host.h"
#include "kt/abi/module.h"
#include "support/com_ptr.h"

namespace kt {

// Implements ILDContextUser; the class that includes it supplies the IUnknown operations.
class CTUKContextUserMixin : public ILDContextUser {
 public:
  CTUKContextUserMixin() = default;
  CTUKContextUserMixin(const CTUKContextUserMixin&) = delete;
  CTUKContextUserMixin& operator=(const CTUKContextUserMixin&) = delete;

  // Takes the context's object factory (null clears it); always returns kSOk.
  HResult KT_STDCALL SetContext(IUnknown* object) override;
  virtual ~CTUKContextUserMixin();
  // Called after every SetContext, even one that changed nothing; the result is ignored.
  virtual HResult OnContextChanged();

 protected:
  // The host context viewed as its object factory; null until a context is set.
  ComPtr<IQVAObjectFactory> context;
};

}  // namespace kt
