#include "clip/index_walk.h"

#include <array>

#include "clip/byte_view.h"

namespace halvo {

namespace {

constexpr size_t kRecordBytes = 16;
constexpr size_t kBlockRecords = 4096;  // 64 KiB per read
constexpr uint32_t kKeyFrameFlag = 0x10;

}  // namespace

IndexWalk WalkIndex(ClipFile& file, uint64_t start, bool keyframeIndex, FrameIndex& frameIndex,
                    const std::atomic<bool>* stop) {
  const std::string_view wanted = keyframeIndex ? "00dc" : "00db";
  std::array<uint8_t, kBlockRecords * kRecordBytes> block;
  IndexWalk walk;
  for (uint64_t offset = start;; offset += block.size()) {
    if (stop && stop->load(std::memory_order_relaxed)) {
      walk.cancelled = true;
      return walk;
    }
    const std::optional<size_t> read = file.ReadAt(offset, block);
    if (!read) return walk;
    const ByteView records(std::span<const uint8_t>(block.data(), *read));
    for (size_t at = 0; records.Holds(at, kRecordBytes); at += kRecordBytes) {
      if (!records.IsCode(at, wanted)) continue;
      if (keyframeIndex && records.U32(at + 4) != kKeyFrameFlag) continue;
      frameIndex.Set(walk.taken, static_cast<int32_t>(*records.U32(at + 12)));
      if (++walk.taken == FrameIndex::size()) {
        walk.full = true;
        return walk;
      }
    }
    if (*read < block.size()) return walk;
  }
}

}  // namespace halvo
