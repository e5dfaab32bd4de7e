// Host interfaces that the module calls, with their identifiers and slots in order.
// Slots count from 0; 0 to 2 are IUnknown's. Slots whose meaning the host keeps to itself are
// declared as ReservedN placeholders so the called slots sit where the host expects them.
#pragma once

#include "kt/abi/base.h"

// Interfaces are only ever destroyed through Release.
#define KT_INTERFACE_DTOR(Name) \
 protected:                     \
  ~Name() = default;            \
                                \
 public:

#define KT_RESERVED_SLOT(n) virtual HResult KT_STDCALL Reserved##n() = 0

namespace kt {

struct IQVAByteBuffer;
struct IQVAPropertyList;
struct IQVASourceInput;
struct IKTMediaItem;
struct ITUKApplicationEventObserver;

// {00000000-0901-11D1-8B06-00A024406D59}
inline constexpr Guid IID_IQVAObjectFactory = {
    0x00000000, 0x0901, 0x11D1, {0x8B, 0x06, 0x00, 0xA0, 0x24, 0x40, 0x6D, 0x59}};
struct IQVAObjectFactory : IUnknown {
  // A new, empty host object of the class, with one reference; negative result on failure.
  virtual HResult KT_STDCALL CreateObject(const Guid& clsid, IUnknown** out) = 0;  // 3
  virtual HResult KT_STDCALL CreateObjectEx(const Guid& clsid, IUnknown** out,
                                            std::uint32_t extra) = 0;  // 4
  KT_INTERFACE_DTOR(IQVAObjectFactory)
};

// {00001300-0901-11D1-8B06-00A024406D59}; also the class identifier of a new buffer.
inline constexpr Guid IID_IQVAByteBuffer = {
    0x00001300, 0x0901, 0x11D1, {0x8B, 0x06, 0x00, 0xA0, 0x24, 0x40, 0x6D, 0x59}};
struct IQVAByteBuffer : IUnknown {
  virtual HResult KT_STDCALL Clear() = 0;                                                // 3
  virtual HResult KT_STDCALL AssignBytes(const void* bytes, std::uint32_t count) = 0;    // 4
  virtual HResult KT_STDCALL AppendBytes(const void* bytes, std::uint32_t count) = 0;    // 5
  virtual std::uint32_t KT_STDCALL GetByteCount() = 0;                                   // 6
  virtual std::uint8_t* KT_STDCALL GetBytes() = 0;                                       // 7
  KT_INTERFACE_DTOR(IQVAByteBuffer)
};

// Kinds reported by IQVAPropertyList::GetPropertyInfo.
enum class PropertyKind : std::uint32_t { kInt = 1, kBuffer = 2, kText = 3 };

// {00001302-0901-11D1-8B06-00A024406D59}; also the class identifier of a new list.
inline constexpr Guid IID_IQVAPropertyList = {
    0x00001302, 0x0901, 0x11D1, {0x8B, 0x06, 0x00, 0xA0, 0x24, 0x40, 0x6D, 0x59}};
struct IQVAPropertyList : IUnknown {
  virtual HResult KT_STDCALL SetIntProperty(const char* name, std::uint32_t value) = 0;   // 3
  virtual HResult KT_STDCALL GetIntProperty(const char* name, std::uint32_t* value) = 0;  // 4
  // kSOk when the list holds the name, kSFalse when it does not.
  virtual HResult KT_STDCALL HasProperty(const char* name) = 0;                           // 5
  virtual HResult KT_STDCALL RemoveProperty(const char* name) = 0;                        // 6
  virtual HResult KT_STDCALL SetBufferProperty(const char* name, IQVAByteBuffer* value) = 0;  // 7
  virtual HResult KT_STDCALL GetBufferProperty(const char* name, IQVAByteBuffer** value) = 0;  // 8
  virtual std::uint32_t KT_STDCALL GetPropertyCount() = 0;                                // 9
  // Name (owned by the list, valid while the property exists) and kind of the property at index.
  virtual HResult KT_STDCALL GetPropertyInfo(std::uint32_t index, const char** name,
                                             PropertyKind* kind) = 0;  // 10
  // The buffer holds zero-terminated text.
  virtual HResult KT_STDCALL SetTextProperty(const char* name, IQVAByteBuffer* text) = 0;   // 11
  virtual HResult KT_STDCALL GetTextProperty(const char* name, IQVAByteBuffer** text) = 0;  // 12
  KT_INTERFACE_DTOR(IQVAPropertyList)
};

// Host class {8E943548-A738-4AB2-9700-BB8058E4B050} viewed as
// {97800EDD-6E7F-4C91-906D-47DE0B0592F5}: hears when the package gains its first live component
// and loses its last.
inline constexpr Guid CLSID_TUKPackageLockObserver = {
    0x8E943548, 0xA738, 0x4AB2, {0x97, 0x00, 0xBB, 0x80, 0x58, 0xE4, 0xB0, 0x50}};
inline constexpr Guid IID_ITUKPackageLockObserver = {
    0x97800EDD, 0x6E7F, 0x4C91, {0x90, 0x6D, 0x47, 0xDE, 0x0B, 0x05, 0x92, 0xF5}};
struct ITUKPackageLockObserver : IUnknown {
  KT_RESERVED_SLOT(3);
  virtual HResult KT_STDCALL Attach(std::uint32_t observerValue, std::uint32_t flag) = 0;  // 4
  KT_RESERVED_SLOT(5);
  KT_RESERVED_SLOT(6);
  KT_RESERVED_SLOT(7);
  virtual HResult KT_STDCALL OnLastUnlock() = 0;  // 8
  virtual HResult KT_STDCALL OnFirstLock() = 0;   // 9
  KT_INTERFACE_DTOR(ITUKPackageLockObserver)
};

// Host class {DCFD4E50-6095-4C44-89E1-32CE7F20C00E} viewed as
// {91994294-C0CB-446C-A823-CA60C914C525}.
inline constexpr Guid CLSID_TUKPackageRegistrar = {
    0xDCFD4E50, 0x6095, 0x4C44, {0x89, 0xE1, 0x32, 0xCE, 0x7F, 0x20, 0xC0, 0x0E}};
inline constexpr Guid IID_ITUKPackageRegistrar = {
    0x91994294, 0xC0CB, 0x446C, {0xA8, 0x23, 0xCA, 0x60, 0xC9, 0x14, 0xC5, 0x25}};
struct ITUKPackageRegistrar : IUnknown {
  virtual HResult KT_STDCALL Register(ITUKPackageLockObserver* observer,
                                      const char* description) = 0;  // 3
  virtual HResult KT_STDCALL Unregister() = 0;                        // 4
  KT_INTERFACE_DTOR(ITUKPackageRegistrar)
};

// {919DBA72-AED0-11D3-B64F-00105A121185}, answered by the host context.
inline constexpr Guid IID_ITUKServiceRegistry = {
    0x919DBA72, 0xAED0, 0x11D3, {0xB6, 0x4F, 0x00, 0x10, 0x5A, 0x12, 0x11, 0x85}};
struct ITUKServiceRegistry : IUnknown {
  KT_RESERVED_SLOT(3);
  KT_RESERVED_SLOT(4);
  KT_RESERVED_SLOT(5);
  KT_RESERVED_SLOT(6);
  virtual HResult KT_STDCALL AddService(const Guid& clsid) = 0;                          // 7
  virtual HResult KT_STDCALL AddServiceAlias(const Guid& alias, const Guid& clsid) = 0;  // 8
  virtual HResult KT_STDCALL RemoveServiceAlias(const Guid& alias) = 0;                  // 9
  virtual HResult KT_STDCALL RemoveService(const Guid& clsid) = 0;                       // 10
  virtual HResult KT_STDCALL HasService(const Guid& clsid, std::int32_t* present) = 0;   // 11
  KT_INTERFACE_DTOR(ITUKServiceRegistry)
};

// {9BC73E62-B353-11D3-8802-00902790299C}
inline constexpr Guid IID_ITUKApplicationService = {
    0x9BC73E62, 0xB353, 0x11D3, {0x88, 0x02, 0x00, 0x90, 0x27, 0x90, 0x29, 0x9C}};
struct ITUKApplicationService : IUnknown {
  virtual HResult KT_STDCALL Run() = 0;                // 3
  virtual std::int32_t KT_STDCALL IsRunning() = 0;     // 4: nonzero while running
  virtual HResult KT_STDCALL Quit() = 0;               // 5
  KT_INTERFACE_DTOR(ITUKApplicationService)
};

// {CD178DA7-F930-11D3-94F3-00902790299C}
inline constexpr Guid IID_ITUKApplicationEventSource = {
    0xCD178DA7, 0xF930, 0x11D3, {0x94, 0xF3, 0x00, 0x90, 0x27, 0x90, 0x29, 0x9C}};
struct ITUKApplicationEventSource : IUnknown {
  virtual HResult KT_STDCALL AddObserver(ITUKApplicationEventObserver* observer) = 0;     // 3
  virtual HResult KT_STDCALL RemoveObserver(ITUKApplicationEventObserver* observer) = 0;  // 4
  KT_INTERFACE_DTOR(ITUKApplicationEventSource)
};

// {99341C52-966E-11D4-94FC-00D0B7103550}
inline constexpr Guid IID_ITUKApplicationShutdown = {
    0x99341C52, 0x966E, 0x11D4, {0x94, 0xFC, 0x00, 0xD0, 0xB7, 0x10, 0x35, 0x50}};
struct ITUKApplicationShutdown : IUnknown {
  virtual HResult KT_STDCALL Shutdown() = 0;  // 3
  KT_INTERFACE_DTOR(ITUKApplicationShutdown)
};

// The window object that the window manager creates for an application; it has no identifier.
struct ITUKAppWindow : IUnknown {
  KT_RESERVED_SLOT(3);
  KT_RESERVED_SLOT(4);
  virtual HResult KT_STDCALL Show(std::int32_t show) = 0;  // 5
  virtual std::int32_t KT_STDCALL IsShown() = 0;           // 6
  KT_INTERFACE_DTOR(ITUKAppWindow)
};

// {B6B618D0-CD30-11D3-94E8-00D0B7141689}, answered by a window object.
inline constexpr Guid IID_ITUKNativeWindow = {
    0xB6B618D0, 0xCD30, 0x11D3, {0x94, 0xE8, 0x00, 0xD0, 0xB7, 0x14, 0x16, 0x89}};
struct ITUKNativeWindow : IUnknown {
  virtual void* KT_STDCALL GetHandle() = 0;  // 3: the platform window handle
  KT_INTERFACE_DTOR(ITUKNativeWindow)
};

// {585A8AE2-7F9A-437D-A4C7-662531F38516}
inline constexpr Guid IID_ITUKWindowManager = {
    0x585A8AE2, 0x7F9A, 0x437D, {0xA4, 0xC7, 0x66, 0x25, 0x31, 0xF3, 0x85, 0x16}};
struct ITUKWindowManager : IUnknown {
  virtual HResult KT_STDCALL CreateAppWindow(std::uint32_t ownerKey, std::uint32_t windowKey,
                                             std::uint32_t reserved1, std::uint32_t reserved2,
                                             ITUKAppWindow** window) = 0;  // 3
  KT_RESERVED_SLOT(4);
  KT_RESERVED_SLOT(5);
  virtual HResult KT_STDCALL DestroyAppWindow(ITUKAppWindow* window,
                                              std::uint32_t flags) = 0;  // 6
  KT_RESERVED_SLOT(7);
  KT_RESERVED_SLOT(8);
  KT_RESERVED_SLOT(9);
  KT_RESERVED_SLOT(10);
  KT_RESERVED_SLOT(11);
  KT_RESERVED_SLOT(12);
  KT_RESERVED_SLOT(13);
  KT_RESERVED_SLOT(14);
  KT_RESERVED_SLOT(15);
  KT_RESERVED_SLOT(16);
  KT_RESERVED_SLOT(17);
  KT_RESERVED_SLOT(18);
  KT_RESERVED_SLOT(19);
  KT_RESERVED_SLOT(20);
  KT_RESERVED_SLOT(21);
  virtual HResult KT_STDCALL AttachApplication(std::uint32_t ownerKey) = 0;  // 22
  virtual HResult KT_STDCALL DetachApplication() = 0;                       // 23
  KT_INTERFACE_DTOR(ITUKWindowManager)
};

// A decoded packet; it has no identifier.
struct IQVAPacket : IUnknown {
  KT_RESERVED_SLOT(3);
  // The packet's buffer without an added reference, or null.
  virtual IQVAByteBuffer* KT_STDCALL GetPayload() = 0;  // 4
  KT_INTERFACE_DTOR(IQVAPacket)
};

// Converter class {B1C20C67-1533-4D08-899A-AB261553CC3F} viewed as
// {9DCDBCE8-D086-4178-8A8B-554E79B9EA64}.
inline constexpr Guid CLSID_QVAConverter = {
    0xB1C20C67, 0x1533, 0x4D08, {0x89, 0x9A, 0xAB, 0x26, 0x15, 0x53, 0xCC, 0x3F}};
inline constexpr Guid IID_IQVAConverter = {
    0x9DCDBCE8, 0xD086, 0x4178, {0x8A, 0x8B, 0x55, 0x4E, 0x79, 0xB9, 0xEA, 0x64}};
struct IQVAConverter : IUnknown {
  virtual HResult KT_STDCALL Configure(IQVAPropertyList* request) = 0;  // 3
  KT_RESERVED_SLOT(4);
  KT_RESERVED_SLOT(5);
  // Returns when the conversion has ended.
  virtual HResult KT_STDCALL Convert(IKTMediaItem* item, std::uint32_t flags) = 0;  // 6
  KT_RESERVED_SLOT(7);
  KT_RESERVED_SLOT(8);
  virtual HResult KT_STDCALL Cancel() = 0;  // 9
  KT_INTERFACE_DTOR(IQVAConverter)
};

// {1F03AFD7-4C8E-4B53-8E01-F6A4958A6D71}
inline constexpr Guid IID_IQVAConverterOutput = {
    0x1F03AFD7, 0x4C8E, 0x4B53, {0x8E, 0x01, 0xF6, 0xA4, 0x95, 0x8A, 0x6D, 0x71}};
struct IQVAConverterOutput : IUnknown {
  KT_RESERVED_SLOT(3);
  virtual HResult KT_STDCALL AttachInput(IQVASourceInput* sink) = 0;  // 4
  virtual HResult KT_STDCALL DetachInput(IQVASourceInput* sink) = 0;  // 5
  KT_INTERFACE_DTOR(IQVAConverterOutput)
};

// The object that the host publishes through the environment; it has no identifier.
struct IKTHostServices : IUnknown {
  virtual HResult KT_STDCALL GetService(const Guid& sid, IUnknown** out) = 0;  // 3
  KT_INTERFACE_DTOR(IKTHostServices)
};

// Service {9969A5A3-8E56-11D4-951A-00D0B71031B2}: makes media items.
inline constexpr Guid SID_KTMediaItem = {
    0x9969A5A3, 0x8E56, 0x11D4, {0x95, 0x1A, 0x00, 0xD0, 0xB7, 0x10, 0x31, 0xB2}};

// {6C7B3683-2822-11D4-950F-00D0B71031B2}
inline constexpr Guid IID_IKTMediaItemInit = {
    0x6C7B3683, 0x2822, 0x11D4, {0x95, 0x0F, 0x00, 0xD0, 0xB7, 0x10, 0x31, 0xB2}};
struct IKTMediaItemInit : IUnknown {
  KT_RESERVED_SLOT(3);
  KT_RESERVED_SLOT(4);
  KT_RESERVED_SLOT(5);
  KT_RESERVED_SLOT(6);
  KT_RESERVED_SLOT(7);
  KT_RESERVED_SLOT(8);
  KT_RESERVED_SLOT(9);
  KT_RESERVED_SLOT(10);
  KT_RESERVED_SLOT(11);
  KT_RESERVED_SLOT(12);
  KT_RESERVED_SLOT(13);
  KT_RESERVED_SLOT(14);
  virtual HResult KT_STDCALL AssignUrl(const WChar* url) = 0;  // 15
  KT_INTERFACE_DTOR(IKTMediaItemInit)
};

// {6C7B3680-2822-11D4-950F-00D0B71031B2}: handed to the converter; the module calls nothing on it.
inline constexpr Guid IID_IKTMediaItem = {
    0x6C7B3680, 0x2822, 0x11D4, {0x95, 0x0F, 0x00, 0xD0, 0xB7, 0x10, 0x31, 0xB2}};
struct IKTMediaItem : IUnknown {
  KT_INTERFACE_DTOR(IKTMediaItem)
};

// The media platform library and its factory export.
inline constexpr char kMediaPlatformLibrary[] = "kwmedpltfm.dll";
inline constexpr char kMediaPlatformFactorySymbol[] = "KWCreateMediaPlatformEx";
using PFN_KWCreateMediaPlatformEx = HResult(KT_STDCALL*)(IUnknown** platform);

}  // namespace kt
