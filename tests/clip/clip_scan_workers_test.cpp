#include "clip/clip_scan_workers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>

#include "clip/clip_bytes.h"
#include "support/temp_folder.h"

namespace halvo {
namespace {

using namespace std::chrono_literals;
using test::ClipBytes;

// Results as the callback hands them over, with a bounded wait for them.
class Deliveries {
 public:
  ClipScanWorkers::OnFinished Callback() {
    return [this](ScanResult result) {
      std::lock_guard lock(mutex_);
      results_.push_back(std::move(result));
      changed_.notify_all();
    };
  }
  bool WaitFor(size_t count, std::chrono::seconds deadline = 30s) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, deadline, [&] { return results_.size() >= count; });
  }
  std::vector<ScanResult> Taken() {
    std::lock_guard lock(mutex_);
    return results_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<ScanResult> results_;
};

ClipBytes SmallClip(uint32_t size, int records) {
  ClipBytes clip;
  clip.Vids(108, 1, 25).Rec(300, "2020_01_02").Movi(500).Record("00db", 0, size, records);
  return clip;
}

// One taken record, then a 256 GiB hole of index bytes: a walk that would run
// for minutes but costs no disk space.
std::string HugeSparseClip(const TempFolder& dir) {
  const std::string path = dir / "huge.avi";
  SmallClip(1234, 1).WriteTo(path);
  std::filesystem::resize_file(path, uint64_t{256} << 30);
  return path;
}

bool WaitForSlot(const FrameIndex& index, int slot, int32_t value) {
  const auto deadline = std::chrono::steady_clock::now() + 30s;
  while (index.Get(slot) != value) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::yield();
  }
  return true;
}

TEST(ClipScanWorkers, DeliversTheFinishedScan) {
  TempFolder dir;
  const std::string path = dir / "clip.avi";
  SmallClip(40, 3).WriteTo(path);
  auto index = std::make_unique<FrameIndex>();
  Deliveries deliveries;
  ClipScanWorkers workers;

  workers.Start(path, false, *index, deliveries.Callback());

  ASSERT_TRUE(deliveries.WaitFor(1));
  const ScanResult result = deliveries.Taken().at(0);
  EXPECT_EQ(result.frameRateText, u"25");
  EXPECT_EQ(result.recordDatePane, u"2020.01.02");
  EXPECT_EQ(result.entries, 3);
  EXPECT_EQ(index->Get(2), 40);
}

TEST(ClipScanWorkers, NewScanCancelsEarlierOneBeforeWriting) {
  TempFolder dir;
  const std::string huge = HugeSparseClip(dir);
  const std::string small = dir / "small.avi";
  SmallClip(22, 1).WriteTo(small);
  auto index = std::make_unique<FrameIndex>();
  Deliveries deliveries;
  ClipScanWorkers workers;

  workers.Start(huge, false, *index, deliveries.Callback());
  ASSERT_TRUE(WaitForSlot(*index, 0, 1234)) << "long scan never started";
  workers.Start(small, false, *index, deliveries.Callback());

  ASSERT_TRUE(deliveries.WaitFor(1));
  workers.CancelAll();
  const std::vector<ScanResult> results = deliveries.Taken();
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0].entries, 1);
  EXPECT_EQ(index->Get(0), 22) << "slot 0 holds the new clip's size";
}

TEST(ClipScanWorkers, DestructionStopsARunningScanAndDeliversNothing) {
  TempFolder dir;
  const std::string huge = HugeSparseClip(dir);
  auto index = std::make_unique<FrameIndex>();
  Deliveries deliveries;
  auto workers = std::make_unique<ClipScanWorkers>();
  workers->Start(huge, false, *index, deliveries.Callback());
  ASSERT_TRUE(WaitForSlot(*index, 0, 1234)) << "scan never started";

  const auto before = std::chrono::steady_clock::now();
  workers.reset();
  const auto took = std::chrono::steady_clock::now() - before;

  // The whole walk takes minutes; a cancelled one ends within one block read.
  EXPECT_LT(took, 5s);
  EXPECT_TRUE(deliveries.Taken().empty());
}

}  // namespace
}  // namespace halvo
