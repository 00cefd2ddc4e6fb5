#include "controls/progress_slider_model.h"

namespace halvo {

std::int32_t ProgressSliderModel::SetProgress(std::int32_t value) {
  const std::int32_t previous = progressValue;
  progressValue = value;
  return previous;
}

void ProgressSliderModel::OnMouseMove(bool overThumb) {
  thumbColour = overThumb ? thumbHoverColour : thumbNormalColour;
}

void ProgressSliderModel::OnTimer() {
  thumbColour = blinkPhase ? kBlinkDarkColour : kBlinkLightColour;
  blinkPhase = !blinkPhase;
}

void ProgressSliderModel::OnThumbPaint(bool dragged) {
  if (dragged) thumbColour = thumbDragColour;
}

ControlRect ThumbHoverRect(ControlRect thumb) {
  return {thumb.left - 2, thumb.top + 2, thumb.right + 2, thumb.bottom - 2};
}

ControlRect ChannelFor(int controlWidth, int controlHeight, int thumbLength) {
  constexpr int kChannelHeight = 4;
  const int top = (controlHeight - kChannelHeight) / 2;
  return {thumbLength / 2, top, controlWidth - thumbLength / 2, top + kChannelHeight};
}

GrooveGeometry GrooveFor(ControlRect channel) {
  constexpr int kEdgeWidth = 2;
  const ControlRect edge{channel.left, channel.top - 5, channel.right, channel.bottom + 5};
  const ControlRect inner{edge.left + kEdgeWidth, edge.top + kEdgeWidth - 1,
                          edge.right - kEdgeWidth, edge.bottom - kEdgeWidth + 1};
  return {edge, inner};
}

int ProgressFillRight(int innerWidth, std::int32_t value, std::int32_t maximum) {
  if (maximum == 0) return kProgressFillLeft;
  return kProgressFillLeft +
         static_cast<int>(static_cast<std::int64_t>(innerWidth) * value / maximum);
}

ControlRect ProgressFillRect(ControlRect channel, std::int32_t value, std::int32_t maximum) {
  const ControlRect inner = GrooveFor(channel).inner;
  return {kProgressFillLeft, inner.top, ProgressFillRight(inner.Width(), value, maximum),
          inner.bottom};
}

}  // namespace halvo
