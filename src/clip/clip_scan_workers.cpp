#include "clip/clip_scan_workers.h"

#include <chrono>
#include <vector>

namespace halvo {

ClipScanWorkers::~ClipScanWorkers() { CancelAll(); }

void ClipScanWorkers::Start(std::string clipPath, bool keyframeIndex, FrameIndex& frameIndex,
                            OnFinished onFinished) {
  std::lock_guard lock(mutex_);
  JoinFinished();
  std::vector<std::shared_future<void>> earlier;
  for (const auto& worker : workers_) {
    worker->stop.store(true, std::memory_order_relaxed);
    earlier.push_back(worker->finished);
  }
  auto worker = std::make_unique<Worker>();
  std::promise<void> done;
  worker->finished = done.get_future().share();
  Worker* self = worker.get();
  worker->thread = std::thread([self, earlier = std::move(earlier), done = std::move(done),
                                path = std::move(clipPath), keyframeIndex, &frameIndex,
                                onFinished = std::move(onFinished)]() mutable {
    for (const auto& previous : earlier) previous.wait();
    if (!self->stop.load(std::memory_order_relaxed)) {
      ScanResult result = ScanClip(path, keyframeIndex, frameIndex, &self->stop);
      if (!result.cancelled && !self->stop.load(std::memory_order_relaxed)) {
        onFinished(std::move(result));
      }
    }
    done.set_value();
  });
  workers_.push_back(std::move(worker));
}

void ClipScanWorkers::CancelAll() {
  std::lock_guard lock(mutex_);
  for (const auto& worker : workers_) worker->stop.store(true, std::memory_order_relaxed);
  for (const auto& worker : workers_) worker->thread.join();
  workers_.clear();
}

void ClipScanWorkers::JoinFinished() {
  for (auto it = workers_.begin(); it != workers_.end();) {
    if ((*it)->finished.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
      (*it)->thread.join();
      it = workers_.erase(it);
    } else {
      ++it;
    }
  }
}

}  // namespace halvo
