// Interfaces and exports that the module publishes to the host, and the host classes that
// the application framework asks the context for.
#pragma once

#include "kt/abi/base.h"
#include "kt/abi/host.h"

namespace kt {

// {00000C00-0901-11D1-8B06-00A024406D59}
inline constexpr Guid IID_IQVAPlugin = {
    0x00000C00, 0x0901, 0x11D1, {0x8B, 0x06, 0x00, 0xA0, 0x24, 0x40, 0x6D, 0x59}};
struct IQVAPlugin : IUnknown {
  // The texts stay owned by the module.
  virtual HResult KT_STDCALL QueryPluginInfo(std::uint32_t* version, const char** name,
                                             const char** copyright, const char** extra,
                                             std::uint32_t* build) = 0;  // 3
  virtual HResult KT_STDCALL InitializePlugin(IUnknown* context) = 0;    // 4
  KT_INTERFACE_DTOR(IQVAPlugin)
};

// {F8A31571-22AC-11D4-9503-00902790299C}
inline constexpr Guid IID_IQVAComponentPlugin = {
    0xF8A31571, 0x22AC, 0x11D4, {0x95, 0x03, 0x00, 0x90, 0x27, 0x90, 0x29, 0x9C}};
struct IQVAComponentPlugin : IUnknown {
  virtual std::int32_t KT_STDCALL CountComponents() = 0;  // 3
  virtual const char* KT_STDCALL PackageName() = 0;       // 4
  virtual HResult KT_STDCALL DescribeComponent(std::int32_t index,
                                               IQVAPropertyList** properties) = 0;  // 5
  // Note the order: out before outer.
  virtual HResult KT_STDCALL CreateComponent(const Guid& clsid, IUnknown** out,
                                             IUnknown* outer) = 0;  // 6
  KT_INTERFACE_DTOR(IQVAComponentPlugin)
};

// {F09E8891-8E2D-11D4-82DB-00D0B74C2D25}
inline constexpr Guid IID_IQVAPluginNamespace = {
    0xF09E8891, 0x8E2D, 0x11D4, {0x82, 0xDB, 0x00, 0xD0, 0xB7, 0x4C, 0x2D, 0x25}};
struct IQVAPluginNamespace : IUnknown {
  // A byte buffer holding the namespace URI and its terminating zero.
  virtual HResult KT_STDCALL PluginNamespace(IQVAByteBuffer** uri) = 0;  // 3
  KT_INTERFACE_DTOR(IQVAPluginNamespace)
};

// {FCB59961-B347-11D3-87EB-009027902B2D}
inline constexpr Guid IID_ILDContextUser = {
    0xFCB59961, 0xB347, 0x11D3, {0x87, 0xEB, 0x00, 0x90, 0x27, 0x90, 0x2B, 0x2D}};
struct ILDContextUser : IUnknown {
  virtual HResult KT_STDCALL SetContext(IUnknown* context) = 0;  // 3
  KT_INTERFACE_DTOR(ILDContextUser)
};

// {735DA255-CB15-4618-9C1A-97EE6C52E6C2}
inline constexpr Guid IID_IKTApplication = {
    0x735DA255, 0xCB15, 0x4618, {0x9C, 0x1A, 0x97, 0xEE, 0x6C, 0x52, 0xE6, 0xC2}};
struct IKTApplication : IUnknown {
  virtual HResult KT_STDCALL Start(std::uint32_t argc, const WChar* const* argv) = 0;  // 3
  virtual HResult KT_STDCALL Stop() = 0;                                              // 4
  KT_INTERFACE_DTOR(IKTApplication)
};

// {CD178DA6-F930-11D3-94F3-00902790299C}
inline constexpr Guid IID_ITUKApplicationEventObserver = {
    0xCD178DA6, 0xF930, 0x11D3, {0x94, 0xF3, 0x00, 0x90, 0x27, 0x90, 0x29, 0x9C}};
struct ITUKApplicationEventObserver : IUnknown {
  virtual void KT_STDCALL OnNotify(std::uint32_t code) = 0;                   // 3
  virtual void KT_STDCALL OnWindowClosed(ITUKAppWindow* window) = 0;          // 4
  virtual void KT_STDCALL OnNotifyEx(std::uint32_t code, std::uint32_t value) = 0;  // 5
  KT_INTERFACE_DTOR(ITUKApplicationEventObserver)
};

// {EBF8D220-40F7-11D6-AB3F-00010251B340}: the sink through which the converter delivers the
// decoded stream.
inline constexpr Guid IID_IQVASourceInput = {
    0xEBF8D220, 0x40F7, 0x11D6, {0xAB, 0x3F, 0x00, 0x01, 0x02, 0x51, 0xB3, 0x40}};
struct IQVASourceInput : IUnknown {
  virtual HResult KT_STDCALL OnStreamBegin(std::uint32_t a, std::uint32_t b) = 0;         // 3
  virtual HResult KT_STDCALL HeaderReceived(std::uint32_t reserved,
                                            IQVAPropertyList* header) = 0;               // 4
  virtual HResult KT_STDCALL OnStreamEvent(std::uint32_t a, std::uint32_t b) = 0;         // 5
  virtual HResult KT_STDCALL PacketReceived(std::uint32_t reserved, IQVAPacket* packet) = 0;  // 6
  virtual HResult KT_STDCALL OnStreamEnd(std::uint32_t a) = 0;                            // 7
  KT_INTERFACE_DTOR(IQVASourceInput)
};

// The cleaner application component {6D02D40A-B12A-4CB6-A311-56AE1158D1FB}.
inline constexpr Guid CLSID_CleanerApplication = {
    0x6D02D40A, 0xB12A, 0x4CB6, {0xA3, 0x11, 0x56, 0xAE, 0x11, 0x58, 0xD1, 0xFB}};

// Host service classes that an application adds to the context when it starts, in order.
inline constexpr Guid CLSID_HostProperties = {
    0x1D9C3E81, 0xC3C3, 0x11D3, {0x88, 0x02, 0x00, 0x90, 0x27, 0x90, 0x29, 0x9C}};
inline constexpr Guid CLSID_ApplicationService = {
    0x9BC73E61, 0xB353, 0x11D3, {0x88, 0x02, 0x00, 0x90, 0x27, 0x90, 0x29, 0x9C}};
inline constexpr Guid CLSID_WindowManager = {
    0x5A2DDB91, 0x4D53, 0x44E5, {0xAA, 0x00, 0x33, 0x64, 0xCF, 0xDB, 0xD2, 0x76}};
// Alias under which the window manager's class is also added.
inline constexpr Guid CLSID_WindowManagerAlias = {
    0x31671EB0, 0xB060, 0x4EA7, {0xB0, 0x89, 0xB0, 0x15, 0x03, 0x15, 0x7C, 0x9E}};

inline constexpr Guid kApplicationServiceClasses[13] = {
    CLSID_HostProperties,
    {0xDA5EB792, 0x9F37, 0x4158, {0xB7, 0x53, 0xDA, 0xA8, 0xE9, 0x8E, 0xAC, 0xCF}},
    {0x00003711, 0x0901, 0x11D1, {0x8B, 0x06, 0x00, 0xA0, 0x24, 0x40, 0x6D, 0x59}},
    {0xDA9B85A3, 0xDE55, 0x11D3, {0x94, 0xFE, 0x00, 0xD0, 0xB7, 0x10, 0x31, 0xB2}},
    {0x2B62826C, 0x040F, 0x11D4, {0x94, 0xF0, 0x00, 0xD0, 0xB7, 0x10, 0x35, 0x50}},
    {0x29990B74, 0xE7A9, 0x466F, {0x96, 0x3B, 0x54, 0x19, 0x45, 0x0F, 0x45, 0xB4}},
    {0x9F5E06C5, 0x4B85, 0x11D4, {0x95, 0x14, 0x00, 0xD0, 0xB7, 0x10, 0x31, 0xB2}},
    {0x4D2D7E90, 0x2DCB, 0x11D4, {0x95, 0x11, 0x00, 0xD0, 0xB7, 0x10, 0x31, 0xB2}},
    CLSID_ApplicationService,
    {0x1C4DF1B8, 0x089B, 0x446E, {0xA4, 0x3E, 0x6D, 0x89, 0x57, 0x34, 0xAF, 0x3E}},
    {0x8DDA8F07, 0x820D, 0x49ED, {0x8F, 0xAC, 0xC8, 0x30, 0x4C, 0x39, 0x0B, 0x42}},
    CLSID_WindowManager,
    {0xDBE7CAE4, 0x5921, 0x46B0, {0xA9, 0xC8, 0xBB, 0x68, 0xAD, 0x61, 0xA5, 0xD6}},
};

// Property of the host properties service that receives the process's instance handle.
inline constexpr char kInstanceHandleProperty[] = "WIN_hInstance";

// Exports of the module.
using PFN_QVACreateInstance = HResult(KT_STDCALL*)(IUnknown** package);
using PFN_QVAShutdown = HResult(KT_STDCALL*)();
// A block of zero-terminated "name=directory" entries ended by an empty entry.
using PFN_SetDLLAccessPath = HResult(KT_STDCALL*)(const char* block);

}  // namespace kt
