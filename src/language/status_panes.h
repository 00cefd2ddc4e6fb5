#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "language/player_texts.h"

namespace halvo {

// What the status panes show besides their labels.
struct StatusPaneState {
  bool playListEmpty = true;
  int32_t speedStep = 1;
  double zoomFactor = 0.5;
  int32_t videoWidth = 640;
  int32_t videoHeight = 480;
  std::u16string_view frameRateText;
  std::u16string_view recordDateText;
};

// The texts of panes 0 to 5 after a language switch. Pane 0 is only rewritten
// while the playlist is empty (otherwise it shows the clip's name), so it is
// empty then; the other five are always set.
std::array<std::optional<std::u16string>, 6> RefreshStatusPanes(const StatusPaneLabels& labels,
                                                                const StatusPaneState& state);

// "0.5 x" for half speed (step 0), else "<step> x".
std::u16string SpeedText(int32_t speedStep);
// The zoom in whole per cent, truncated: "50 %".
std::u16string ZoomText(double zoomFactor);
// "<width> x <height>".
std::u16string ResolutionText(int32_t width, int32_t height);
// The part of the record date a pane shows: at most its first 10 characters,
// ending at the first NUL.
std::u16string_view RecordDateShown(std::u16string_view recordDateText);

}  // namespace halvo
