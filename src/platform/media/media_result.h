#pragma once

#include <cstdint>
#include <utility>

namespace halvo {

// Failure codes of the media graph. 0 is success. Codes of the form 0x800D00CC carry the
// GStreamer error that stopped the pipeline: D is its domain (1 core, 2 library, 3 resource,
// 4 stream), CC its code within the domain. The others are the graph's own.
using MediaCode = uint32_t;

inline constexpr MediaCode kMediaOk = 0;
inline constexpr MediaCode kMediaNotOpen = 0x80000001;      // no clip is open
inline constexpr MediaCode kMediaNotReady = 0x80000002;     // the preroll did not finish in time
inline constexpr MediaCode kMediaQueryFailed = 0x80000003;  // the pipeline gave no answer
inline constexpr MediaCode kMediaNoFrameRate = 0x80000004;  // frames asked of a clip without rate
inline constexpr MediaCode kMediaNoPicture = 0x80000005;    // no decoded video frame
inline constexpr MediaCode kMediaStateFailed = 0x80000006;  // a state change was refused
inline constexpr MediaCode kMediaElementMissing = 0x80000007;  // a fixed element is not installed
inline constexpr MediaCode kMediaEventRefused = 0x80000008;    // a seek or step was not handled

// The code of a GStreamer error: domainIndex 1..4 as above, 0xFF for an unknown domain.
constexpr MediaCode MediaErrorCode(uint32_t domainIndex, int32_t errorCode) {
  return 0x80000000u | ((domainIndex & 0xFFu) << 16) | (static_cast<uint32_t>(errorCode) & 0xFFFFu);
}

// Outcome of an operation that returns nothing else.
struct MediaResult {
  MediaCode code = kMediaOk;
  bool ok() const { return code == kMediaOk; }
};

// Outcome of a query: the value is meaningful only when ok().
template <typename T>
struct MediaValue {
  T value{};
  MediaCode code = kMediaOk;
  bool ok() const { return code == kMediaOk; }

  static MediaValue Success(T v) { return MediaValue{std::move(v), kMediaOk}; }
  static MediaValue Failure(MediaCode c) { return MediaValue{T{}, c}; }
};

}  // namespace halvo
