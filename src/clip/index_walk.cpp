#include "clip/index_walk.h"

#include <memory>

#include "clip/byte_view.h"

namespace halvo {

namespace {

constexpr size_t kRecordBytes = 16;
constexpr uint32_t kKeyFrameFlag = 0x10;

}  // namespace

IndexWalk WalkIndex(ClipFile& file, uint64_t start, bool keyframeIndex, FrameIndex& frameIndex,
                    const std::atomic<bool>* stop) {
  const uint32_t wantedId =
      LoadLe32(reinterpret_cast<const uint8_t*>(keyframeIndex ? "00dc" : "00db"));
  // One buffer per scan: large reads keep the system calls few.
  const auto block = std::make_unique_for_overwrite<uint8_t[]>(kIndexBlockBytes);
  IndexWalk walk;
  for (uint64_t offset = start;; offset += kIndexBlockBytes) {
    if (stop && stop->load(std::memory_order_relaxed)) {
      walk.cancelled = true;
      return walk;
    }
    const std::optional<size_t> read =
        file.ReadAt(offset, std::span(block.get(), kIndexBlockBytes));
    if (!read) return walk;
    // Only whole records that were read: a partial last record is absent.
    const uint8_t* const end = block.get() + *read / kRecordBytes * kRecordBytes;
    for (const uint8_t* record = block.get(); record != end; record += kRecordBytes) {
      if (LoadLe32(record) != wantedId) continue;
      if (keyframeIndex && LoadLe32(record + 4) != kKeyFrameFlag) continue;
      frameIndex.Set(walk.taken, static_cast<int32_t>(LoadLe32(record + 12)));
      if (++walk.taken == FrameIndex::size()) {
        walk.full = true;
        return walk;
      }
    }
    if (*read < kIndexBlockBytes) return walk;
  }
}

}  // namespace halvo
