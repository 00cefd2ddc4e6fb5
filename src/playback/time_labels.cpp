#include "playback/time_labels.h"

#include "language/text.h"

namespace halvo {
namespace {

struct Clock {
  int hours, minutes, seconds;
};
Clock ClockOf(int64_t seconds) {
  return {static_cast<int>(seconds / 3600), static_cast<int>(seconds % 3600 / 60),
          static_cast<int>(seconds % 60)};
}

}  // namespace

OpeningTimeLabels OpeningLabels(int64_t duration) {
  const Clock c = ClockOf(duration / kTicksPerSecond);
  if (c.hours == 0) return {FormatText("/ %02d:%02d", c.minutes, c.seconds), u"     00:00"};
  return {FormatText("/%02d:%02d:%02d", c.hours, c.minutes, c.seconds), std::nullopt};
}

std::optional<int32_t> SeekScalePosition(int64_t current, int64_t duration) {
  if (duration <= 0) return std::nullopt;
  return static_cast<int32_t>(current * kSeekScale / duration);
}

int64_t MediaPositionOfSeek(int32_t seekPosition, int64_t duration) {
  return seekPosition * duration / kSeekScale;
}

std::u16string ElapsedLabel(int64_t duration, int32_t seekPosition, size_t totalLabelLength) {
  const Clock c = ClockOf(duration / kTicksPerSecond * seekPosition / kSeekScale);
  if (totalLabelLength > 7) return FormatText("%02d:%02d:%02d", c.hours, c.minutes, c.seconds);
  return FormatText("   %02d:%02d", c.minutes, c.seconds);
}

}  // namespace halvo
