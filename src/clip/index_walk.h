#pragma once

#include <atomic>
#include <cstdint>

#include "clip/clip_file.h"
#include "clip/frame_index.h"

namespace halvo {

// The index is read in blocks of this many bytes (a whole number of records).
inline constexpr size_t kIndexBlockBytes = 256 * 1024;

struct IndexWalk {
  int taken = 0;           // slots 0..taken-1 written
  bool full = false;       // all 100000 slots taken; the walk stopped there
  bool cancelled = false;  // the stop flag ended it
};

// Reads 16-byte old-style index records from `start` to the end of the file in
// large blocks and stores the size of every taken record: in key-frame mode
// "00dc" with flags exactly 0x10, else "00db" whatever its flags. A final partial
// record is absent; a read error ends the walk with the slots written so far.
IndexWalk WalkIndex(ClipFile& file, uint64_t start, bool keyframeIndex, FrameIndex& frameIndex,
                    const std::atomic<bool>* stop);

}  // namespace halvo
