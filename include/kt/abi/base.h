// Basic types of the binary interface between the module, the host and the helper:
// result codes, identifiers, the calling convention and IUnknown.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// Every COM-style entry point and interface method uses the host's convention on 32-bit Windows.
#if defined(_WIN32) && !defined(_WIN64)
#define KT_STDCALL __stdcall
#else
#define KT_STDCALL
#endif

#if defined(_WIN32)
#define KT_EXPORT_API extern "C"
#else
#define KT_EXPORT_API extern "C" __attribute__((visibility("default")))
#endif

namespace kt {

using HResult = std::int32_t;
using ULong = std::uint32_t;
// Texts that are UTF-16 on the wire (URLs, argument vectors).
using WChar = char16_t;

inline constexpr HResult kSOk = 0;
inline constexpr HResult kSFalse = 1;
inline constexpr HResult kENotImpl = static_cast<HResult>(0x80004001u);
inline constexpr HResult kENoInterface = static_cast<HResult>(0x80004002u);
inline constexpr HResult kEPointer = static_cast<HResult>(0x80004003u);
inline constexpr HResult kEFail = static_cast<HResult>(0x80004005u);
inline constexpr HResult kEInvalidArg = static_cast<HResult>(0x80070057u);
inline constexpr HResult kEOutOfMemory = static_cast<HResult>(0x8007000Eu);
// No object factory could be found, neither the caller's nor the media platform's.
inline constexpr HResult kENoObjectFactory = static_cast<HResult>(0x80040009u);

constexpr bool Failed(HResult hr) { return hr < 0; }
constexpr bool Succeeded(HResult hr) { return hr >= 0; }

// 16-byte identifier in its binary layout: 32-bit, 16-bit and 16-bit fields little-endian,
// then 8 bytes in order.
struct Guid {
  std::uint32_t data1;
  std::uint16_t data2;
  std::uint16_t data3;
  std::uint8_t data4[8];
};
static_assert(sizeof(Guid) == 16);

// Identifiers are equal when all 16 bytes are equal.
inline bool operator==(const Guid& a, const Guid& b) { return std::memcmp(&a, &b, sizeof(Guid)) == 0; }

inline constexpr Guid IID_IUnknown = {
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

struct IUnknown {
  virtual HResult KT_STDCALL QueryInterface(const Guid& iid, void** out) = 0;  // slot 0
  virtual ULong KT_STDCALL AddRef() = 0;                                     // slot 1
  virtual ULong KT_STDCALL Release() = 0;                                    // slot 2

 protected:
  ~IUnknown() = default;
};

}  // namespace kt
