#pragma once

#include <cstdint>

namespace halvo {

// Media time counts 100 ns units (10 000 000 per second); GStreamer counts nanoseconds.
inline constexpr int64_t kMediaTimePerSecond = 10'000'000;

constexpr int64_t MediaTimeFromNanoseconds(int64_t ns) { return ns / 100; }
constexpr int64_t NanosecondsFromMediaTime(int64_t mediaTime) { return mediaTime * 100; }

// A video stream's frame rate as a fraction (30/1, 30000/1001). Valid when both are positive.
struct FrameRate {
  int32_t numerator = 0;
  int32_t denominator = 1;
  bool valid() const { return numerator > 0 && denominator > 0; }
};

// Start time of frame n (frames count from 0), truncated like the demuxer's timestamps.
int64_t NanosecondsFromFrame(int64_t frame, FrameRate rate);

// The frame whose start lies nearest to ns, so that a truncated timestamp maps back to its frame.
int64_t FrameFromNanoseconds(int64_t ns, FrameRate rate);

}  // namespace halvo
