#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "platform/media/video_frame_sink.h"

namespace halvo {

// A frame sink for tests: counts the frames, keeps the newest and records every Reset.
class RecordingFrameSink : public FrameSink {
 public:
  void Reset(uint64_t generation) override {
    std::lock_guard lock(mutex_);
    resets_.push_back(generation);
  }
  void PresentFrame(VideoFrame frame) override {
    {
      std::lock_guard lock(mutex_);
      ++count_;
      newest_ = std::move(frame);
    }
    arrived_.notify_all();
  }

  int count() const {
    std::lock_guard lock(mutex_);
    return count_;
  }
  VideoFrame newest() const {
    std::lock_guard lock(mutex_);
    return newest_;
  }
  std::vector<uint64_t> resets() const {
    std::lock_guard lock(mutex_);
    return resets_;
  }
  // Waits until more than `seen` frames have arrived; false at the deadline.
  bool WaitForFrameAfter(int seen, std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    std::unique_lock lock(mutex_);
    return arrived_.wait_for(lock, limit, [&] { return count_ > seen; });
  }

 private:
  mutable std::mutex mutex_;
  std::condition_variable arrived_;
  int count_ = 0;
  VideoFrame newest_;
  std::vector<uint64_t> resets_;
};

}  // namespace halvo
