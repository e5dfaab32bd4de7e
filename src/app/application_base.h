// Base class of host-run applications: context, IKTApplication with its start and stop
// sequences, the application event observer and the hooks a concrete application overrides.
#pragma once

#include <cstdint>

#include "app/context_user.h"
#include "kt/abi/host.h"
#include "kt/abi/module.h"
#include "module/unknown_imp.h"
#include "support/com_ptr.h"

namespace kt {

// Filled by GetMainWindowDescription into a record the caller has zero-filled.
struct MainWindowDescription {
  std::uint32_t ownerKey;   // handed to the window manager on attach and on window creation
  std::uint32_t windowKey;  // a main window exists only when both keys are nonzero
  std::uint32_t flags;      // bit 0: leave the created main window hidden
};

inline constexpr std::uint32_t kMainWindowHidden = 1;

class CKTApplicationValdrisBase : public CUnknownIMP,
                                  public CTUKContextUserMixin,
                                  public IKTApplication,
                                  public ITUKApplicationEventObserver {
 public:
  KT_FORWARD_IUNKNOWN_TO(CUnknownIMP)

  HResult InternalQueryInterface(const Guid& iid, void** out) override;

  // Application hooks.
  virtual void GetMainWindowDescription(MainWindowDescription* description) = 0;
  virtual HResult OnInitialize();
  // Hands control to the host's application service until it ends its run.
  virtual HResult Run();
  virtual void OnShutdown();
  virtual HResult ProcessArguments(std::uint32_t argc, const WChar* const* argv,
                                   bool alreadyRunning);

  // IKTApplication.
  HResult KT_STDCALL Start(std::uint32_t argc, const WChar* const* argv) override;
  HResult KT_STDCALL Stop() override;

  // ITUKApplicationEventObserver.
  void KT_STDCALL OnNotify(std::uint32_t code) override;
  void KT_STDCALL OnWindowClosed(ITUKAppWindow* window) override;
  void KT_STDCALL OnNotifyEx(std::uint32_t code, std::uint32_t value) override;

 protected:
  CKTApplicationValdrisBase() = default;
  ~CKTApplicationValdrisBase() override;

  // The window the window manager created for this application; null while there is none.
  ComPtr<ITUKAppWindow> mainWindow;

 private:
  bool IsAlreadyRunning();
  HResult AddServices();
  HResult PublishInstanceHandle();
  HResult AttachToWindowManager();
  HResult SetObserving(bool on);
  HResult CreateMainWindow();
  void DestroyMainWindow();
  void ReleaseHostServices();
  void DetachFromWindowManager();
  void RemoveServices();
  void BringMainWindowToFront();
  MainWindowDescription DescribeMainWindow();

  // CreateObject(clsid) then QueryInterface(iid); the result is the creation's, or the
  // query's when the creation succeeded.
  template <class T>
  HResult ObtainService(const Guid& clsid, const Guid& iid, ComPtr<T>& out);
  ComPtr<ITUKServiceRegistry> ServiceRegistry();
};

}  // namespace kt
