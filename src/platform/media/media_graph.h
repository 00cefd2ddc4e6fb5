#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/media/media_events.h"
#include "platform/media/media_result.h"

namespace halvo {

// Units of positions and durations: media time (100 ns units) or frame numbers from 0.
enum class TimeFormat { kMediaTime, kFrame };

struct PictureSize {
  int width = 0;
  int height = 0;
};

// How a bounded wait for the end of playback ended. Whatever the answer, the caller may treat
// the clip as ended: the wait never lasts longer than asked.
enum class Completion {
  kCompleted,   // end of stream reached
  kFailed,      // the pipeline stopped with an error
  kNotRunning,  // paused or stopped: no end will be reported, answered at once
  kTimedOut,    // running, but the end did not come within the limit
};

// The media graph of the one open clip. All calls come from the UI thread. Waits inside are
// bounded by a few seconds at most, so a file that cannot be played never hangs the caller.
class MediaGraph {
 public:
  virtual ~MediaGraph() = default;

  // Closes any open clip, then builds the chain for the file and prerolls it (the clip starts
  // stopped at position 0 in media time, its first picture delivered to the frame sink). The
  // result reports only the creation of the fixed elements; a file that cannot be played shows
  // in the failure of Duration().
  virtual MediaResult Open(const std::string& path) = 0;
  // Stops and releases the clip (no-op when none); the frame sink gets Reset(0).
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  // The generation of the open pipeline; each Open starts a new one (0: never opened).
  virtual uint64_t Generation() const = 0;

  virtual MediaResult Run() = 0;
  virtual MediaResult Pause() = 0;
  // Stops logically: the pipeline stays paused, so position and picture remain.
  virtual MediaResult Stop() = 0;
  // Pauses, waits (bounded) for the picture at the position, then stops logically.
  virtual MediaResult StopWhenReady() = 0;

  // Units of the following positions and durations; a new clip starts in media time.
  virtual MediaResult SetTimeFormat(TimeFormat format) = 0;
  virtual MediaValue<int64_t> Duration() = 0;
  virtual MediaValue<int64_t> CurrentPosition() = 0;
  // Absolute seek, also while paused or stopped (the picture moves). Negative positions go to 0.
  virtual MediaResult SeekTo(int64_t position) = 0;
  // Playback speed factor (1.0 or 0.5); applied from the current position.
  virtual MediaResult SetRate(double rate) = 0;
  // Advances the paused picture by one frame (pauses first when running).
  virtual MediaResult StepOneFrame() = 0;

  // Native picture size of the video stream.
  virtual MediaValue<PictureSize> VideoSize() = 0;
  // The picture shown, as a packed device-independent bitmap (40-byte info header, 32 bits per
  // pixel, rows bottom-up).
  virtual MediaValue<std::vector<uint8_t>> CurrentImage() = 0;

  // Waits at most limit for the end of playback; answers at once when already ended, paused or
  // stopped.
  virtual Completion WaitForCompletion(std::chrono::milliseconds limit) = 0;
  // The pipeline's messages of the open clip since the last call (end of stream, errors).
  virtual std::vector<MediaEvent> PollEvents() = 0;
};

}  // namespace halvo
