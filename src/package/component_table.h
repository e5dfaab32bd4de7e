// The package's lock interface and the static component table through which a package
// publishes its components.
#pragma once

#include <cstdint>

#include "kt/abi/base.h"

namespace kt {

// Lock interface that the package hands to every component factory. Components lock the package
// when they are constructed and unlock it when they are destroyed, so the lock count is the
// number of live components. It carries no reference count and is never handed out through
// QueryInterface.
class ITUKPackage_ {
 public:
  virtual void Lock() = 0;
  virtual void Unlock() = 0;

 protected:
  ~ITUKPackage_() = default;
};

// Creates one component: package lock, outer unknown (may be null), out argument.
using ComponentCreateFunction = HResult (*)(ITUKPackage_* package, IUnknown* outer,
                                            IUnknown** out);

enum class ComponentRowKind : std::int32_t {
  kComponent = 0,
  kEnd = 1,
  kIntProperty = 2,
  kTextProperty = 3,
  kBytesProperty = 4,
};

// One row of a component table. Property rows belong to the nearest component row before them.
struct ComponentTableRow {
  ComponentRowKind kind;
  const char* name;   // property rows: the property name; null in component rows
  const void* value;  // component: its class identifier; text: the text; bytes: the bytes
  std::uint32_t intValue;  // integer property rows: the value
  std::uint32_t length;    // byte property rows: the number of bytes
  ComponentCreateFunction create;  // component rows: the create function
};

}  // namespace kt
