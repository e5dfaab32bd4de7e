#include "cleaner/cleaner_application.h"

namespace kt {

// Placeholder until the helper handshake and conversion run exist.
HResult CCleanerApplication::Run() {
  return kEFail;
}

}  // namespace kt
