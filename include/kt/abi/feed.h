// The helper protocol: names of the pipe and events, the feed header, and the environment
// variable through which the host publishes its services object.
#pragma once

#include <cstdint>

namespace kt {

inline constexpr char kFeedPipeName[] = "\\\\.\\pipe\\OrvaCleanerFeedbackPipe";
// Created by the helper before the host starts; the module sets it once its pipe exists.
inline constexpr char kStartEventName[] = "__OrvaCleanerStartEvent";
// Created by the module (or by the helper beforehand, left not set); the helper sets it to cut
// the stream short.
inline constexpr char kStopEventName[] = "__OrvaCleanerStopEvent";
// Milliseconds the helper has to connect after the start event is set.
inline constexpr std::uint32_t kConnectTimeoutMs = 5000;

// The 20-byte header that precedes the payload; all integers little-endian.
struct FeedHeader {
  char magic[4];  // "ORVA"
  char kind[4];   // "CLNR"
  std::uint32_t samplesPerSecond;
  std::uint32_t bitsPerSample;  // 8 for "Audio/L8", else 16
  std::uint32_t channels;
};
static_assert(sizeof(FeedHeader) == 20);
inline constexpr char kFeedMagic[4] = {'O', 'R', 'V', 'A'};
inline constexpr char kFeedKind[4] = {'C', 'L', 'N', 'R'};

// Stream-header properties that the converter sends and the sink reads.
inline constexpr char kSamplesPerSecondProperty[] = "SamplesPerSecond";
inline constexpr char kChannelsProperty[] = "Channels";
inline constexpr char kMimeTypeProperty[] = "MimeType";
inline constexpr char kMime8Bit[] = "Audio/L8";
inline constexpr char kMime16Bit[] = "Audio/L16";

// The host publishes its services object's address, in hexadecimal, under this name followed by
// the process id in decimal.
inline constexpr char kHostServicesVariablePrefix[] = "{59D621E6-7894-4971-8CEF-B23BD9E33D42}_";

}  // namespace kt
