#pragma once

#include <array>
#include <atomic>
#include <cstdint>

namespace halvo {

inline constexpr int kFrameIndexSlots = 100000;

// Per-frame data sizes; 0 means no data. Written by scan workers and read by the
// UI thread at the same time, so every slot is an atomic (relaxed) 32-bit value.
// Scans never clear it: slots past the current clip keep older values.
class FrameIndex {
 public:
  int32_t Get(int slot) const { return slots_[slot].load(std::memory_order_relaxed); }
  void Set(int slot, int32_t size) { slots_[slot].store(size, std::memory_order_relaxed); }
  static constexpr int size() { return kFrameIndexSlots; }

 private:
  std::array<std::atomic<int32_t>, kFrameIndexSlots> slots_{};
};

}  // namespace halvo
