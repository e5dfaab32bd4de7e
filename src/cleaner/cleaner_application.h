// The cleaner application: takes a media URL from its start arguments, streams the decoded audio
// to the Cleaner helper through the feed pipe, and receives the stream through IQVASourceInput.
#pragma once

#include <cstdint>
#include <string>

#include "app/application_base.h"
#include "kt/abi/host.h"
#include "kt/abi/module.h"
#include "platform/handle.h"
#include "support/com_ptr.h"

namespace kt {

class CCleanerApplication : public CKTApplicationValdrisBase, public IQVASourceInput {
 public:
  KT_FORWARD_IUNKNOWN_TO(CUnknownIMP)

  CCleanerApplication() = default;
  ~CCleanerApplication() override;

  HResult InternalQueryInterface(const Guid& iid, void** out) override;

  // Leaves the description zero-filled: the cleaner has no main window.
  void GetMainWindowDescription(MainWindowDescription* description) override;
  // Helper handshake and conversion of the media URL.
  HResult Run() override;
  // Element 1 of the vector is the media URL; fewer than two elements change nothing.
  HResult ProcessArguments(std::uint32_t argc, const WChar* const* argv,
                           bool alreadyRunning) override;

  // IQVASourceInput.
  HResult KT_STDCALL OnStreamBegin(std::uint32_t a, std::uint32_t b) override;
  HResult KT_STDCALL HeaderReceived(std::uint32_t reserved, IQVAPropertyList* header) override;
  HResult KT_STDCALL OnStreamEvent(std::uint32_t a, std::uint32_t b) override;
  HResult KT_STDCALL PacketReceived(std::uint32_t reserved, IQVAPacket* packet) override;
  HResult KT_STDCALL OnStreamEnd(std::uint32_t a) override;

  const std::u16string& MediaUrl() const { return mediaUrl; }

 private:
  // Helpers of the run and of the sink may be defined in their own source files.
  friend struct CleanerRunSteps;
  friend struct FeedSinkSteps;

  // Written by ProcessArguments; Run refuses to run while it is empty.
  std::u16string mediaUrl;
  // Held by Run during its conversion phase; the sink refuses packets while it is null.
  ComPtr<IQVAConverter> converter;
  // Server end of the feed pipe; created, and closed before it returns, by Run.
  platform::Handle pipeHandle = nullptr;
  // The helper's stop event; opened, and closed before it returns, by Run.
  platform::Handle stopEventHandle = nullptr;
};

}  // namespace kt
