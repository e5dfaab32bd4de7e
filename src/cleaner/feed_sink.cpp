#include "cleaner/cleaner_application.h"

namespace kt {

// Placeholders until the feed stream exists.
HResult KT_STDCALL CCleanerApplication::HeaderReceived(std::uint32_t, IQVAPropertyList*) {
  return kEFail;
}

HResult KT_STDCALL CCleanerApplication::PacketReceived(std::uint32_t, IQVAPacket*) {
  return kEFail;
}

}  // namespace kt
