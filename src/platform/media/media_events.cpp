#include "platform/media/media_events.h"

#include <utility>

namespace halvo {

void MediaEventQueue::BeginGeneration(uint64_t generation) {
  std::lock_guard lock(mutex_);
  generation_ = generation;
  pending_.clear();
  endReached_ = false;
  failure_ = kMediaOk;
}

void MediaEventQueue::Post(MediaEvent event) {
  {
    std::lock_guard lock(mutex_);
    if (event.generation != generation_) return;
    if (event.kind == MediaEvent::Kind::kEndOfStream) endReached_ = true;
    if (event.kind == MediaEvent::Kind::kError && failure_ == kMediaOk) failure_ = event.code;
    pending_.push_back(std::move(event));
  }
  changed_.notify_all();
}

std::vector<MediaEvent> MediaEventQueue::Drain() {
  std::lock_guard lock(mutex_);
  return std::exchange(pending_, {});
}

void MediaEventQueue::ClearEnd() {
  std::lock_guard lock(mutex_);
  endReached_ = false;
}

bool MediaEventQueue::EndReached() const {
  std::lock_guard lock(mutex_);
  return endReached_;
}

bool MediaEventQueue::WaitForEndOrFailure(std::chrono::milliseconds limit) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, limit, [this] { return endReached_ || failure_ != kMediaOk; });
}

MediaCode MediaEventQueue::FailureCode() const {
  std::lock_guard lock(mutex_);
  return failure_;
}

}  // namespace halvo
