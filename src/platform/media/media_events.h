#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "platform/media/media_result.h"

namespace halvo {

// A message of the pipeline, tagged with the generation of the pipeline that sent it.
struct MediaEvent {
  enum class Kind { kEndOfStream, kError };
  Kind kind = Kind::kEndOfStream;
  uint64_t generation = 0;
  MediaCode code = kMediaOk;  // kError only
  std::string text;           // kError only: the pipeline's own description
};

// Carries pipeline messages from the streaming threads to the UI thread. Only messages of the
// current generation count: one from a pipeline already replaced by the next clip is dropped.
class MediaEventQueue {
 public:
  // A new pipeline starts: forget everything of the previous ones.
  void BeginGeneration(uint64_t generation);
  // Any thread.
  void Post(MediaEvent event);
  // The current generation's messages since the last call, oldest first.
  std::vector<MediaEvent> Drain();

  // Playback left the end behind (a seek): the next end has to be reported anew.
  void ClearEnd();
  bool EndReached() const;
  // Waits at most limit for the end or a failure of the current generation; true when one came.
  bool WaitForEndOrFailure(std::chrono::milliseconds limit);
  // The code of the first error of the current generation, kMediaOk when none.
  MediaCode FailureCode() const;

 private:
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  uint64_t generation_ = 0;
  std::vector<MediaEvent> pending_;
  bool endReached_ = false;
  MediaCode failure_ = kMediaOk;
};

}  // namespace halvo
