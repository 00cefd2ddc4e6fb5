#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace halvo {

inline constexpr int64_t kTicksPerSecond = 10'000'000;  // media time counts 100 ns
inline constexpr int32_t kSeekScale = 10000;

// The labels OpenClip writes for a clip's duration: the total time, and for clips
// under an hour also the elapsed time (left as it is otherwise).
struct OpeningTimeLabels {
  std::u16string total;
  std::optional<std::u16string> elapsed;
};
OpeningTimeLabels OpeningLabels(int64_t duration);

// The seek-scale position of media position c in a clip of duration d; nothing when d is 0.
std::optional<int32_t> SeekScalePosition(int64_t current, int64_t duration);
// The media position of seek-scale position p.
int64_t MediaPositionOfSeek(int32_t seekPosition, int64_t duration);

// The elapsed label at seek-scale position pos: seconds follow the scale, not the media
// position; long form when the total label is longer than 7 characters.
std::u16string ElapsedLabel(int64_t duration, int32_t seekPosition, size_t totalLabelLength);

}  // namespace halvo
