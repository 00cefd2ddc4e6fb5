#include "language/status_panes.h"

#include "language/text.h"

namespace halvo {

std::u16string SpeedText(int32_t speedStep) {
  if (speedStep == 0) return u"0.5 x";
  return FormatText("%d x", speedStep);
}

std::u16string ZoomText(double zoomFactor) {
  return FormatText("%d %%", static_cast<int>(zoomFactor * 100));
}

std::u16string ResolutionText(int32_t width, int32_t height) {
  return FormatText("%d x %d", width, height);
}

std::u16string_view RecordDateShown(std::u16string_view recordDateText) {
  const auto shown = recordDateText.substr(0, 10);
  return shown.substr(0, shown.find(u'\0'));
}

std::array<std::optional<std::u16string>, 6> RefreshStatusPanes(const StatusPaneLabels& labels,
                                                                const StatusPaneState& state) {
  const auto join = [](std::u16string_view label, std::u16string_view value) {
    std::u16string text(label);
    text += value;
    return text;
  };
  std::optional<std::u16string> fileName;
  if (state.playListEmpty) fileName = std::u16string(labels.fileNameLabel);
  return {
      fileName,
      join(labels.speedLabel, SpeedText(state.speedStep)),
      join(labels.zoomLabel, ZoomText(state.zoomFactor)),
      join(labels.resolutionLabel, ResolutionText(state.videoWidth, state.videoHeight)),
      join(labels.frameRateLabel, state.frameRateText),
      join(labels.recordDateLabel, RecordDateShown(state.recordDateText)),
  };
}

}  // namespace halvo
