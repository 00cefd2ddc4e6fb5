#pragma once

#include <cstdint>
#include <string_view>

namespace halvo {

// speedStep: 0 is half speed, 1 normal, 2..32 the stepped fast forward.
inline constexpr int32_t kHalfSpeed = 0;
inline constexpr int32_t kNormalSpeed = 1;
inline constexpr int32_t kFastestSpeed = 32;

// Increase Speed: 0 -> 1 -> 2 -> ... -> 32 -> 1.
int32_t NextFasterStep(int32_t speedStep);
// Decrease Speed: 32 -> 16 -> ... -> 1 -> 0 -> 0.
int32_t NextSlowerStep(int32_t speedStep);

// Frames the stepped fast forward jumps per 200 ms tick: frame rate x step / 10.
int64_t FastForwardFrames(std::u16string_view frameRateText, int32_t speedStep);

// The next stepped position: past the clip's last frame it starts again at frame 0.
int64_t NextFastForwardFrame(int64_t current, int64_t step, int64_t clipFrames);

// Decimal numbers typed or stored as text: blanks and a sign skipped, digits up to the
// first other character, no digits gives 0.
int64_t LeadingInteger(std::u16string_view text);

}  // namespace halvo
