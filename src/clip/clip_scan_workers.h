#pragma once

#include <atomic>
#include <functional>
#include <future>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "clip/clip_scanner.h"

namespace halvo {

// Runs ScanClip on one thread per opened clip. A new scan cancels the earlier
// ones and starts writing FrameIndex only after they have stopped, so two scans
// never write the same slots at once; cancelled scans deliver nothing. The
// destructor cancels and joins every worker: no callback runs after it returns.
class ClipScanWorkers {
 public:
  // Called on the worker thread with the finished scan; post it to the UI thread.
  using OnFinished = std::function<void(ScanResult)>;

  ClipScanWorkers() = default;
  ClipScanWorkers(const ClipScanWorkers&) = delete;
  ClipScanWorkers& operator=(const ClipScanWorkers&) = delete;
  ~ClipScanWorkers();

  // frameIndex must outlive this object.
  void Start(std::string clipPath, bool keyframeIndex, FrameIndex& frameIndex,
             OnFinished onFinished);
  // Cancels every running scan (e.g. before a synchronous re-scan) and waits for them.
  void CancelAll();

 private:
  struct Worker {
    std::atomic<bool> stop{false};
    std::shared_future<void> finished;
    std::thread thread;
  };
  void JoinFinished();  // callers hold mutex_

  std::mutex mutex_;
  std::list<std::unique_ptr<Worker>> workers_;
};

}  // namespace halvo
