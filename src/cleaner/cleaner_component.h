// The cleaner application as the package creates it: it holds a package lock while it lives.
#pragma once

#include "cleaner/cleaner_application.h"
#include "package/component_table.h"

namespace kt {

class CTUKManagedComponent_CCleanerApplication_ final : public CCleanerApplication {
 public:
  // Locks the package for the object's lifetime.
  explicit CTUKManagedComponent_CCleanerApplication_(ITUKPackage_* package);
  // Unlocks the package before anything else is torn down.
  ~CTUKManagedComponent_CCleanerApplication_() override;

 private:
  ITUKPackage_* packageLock;  // not counted
};

// Create function of the cleaner's row in the component table: creates the component, with
// outer as its aggregating object when given, and hands out its first reference in out.
HResult CreateCleanerApplicationComponent(ITUKPackage_* package, IUnknown* outer, IUnknown** out);

}  // namespace kt
