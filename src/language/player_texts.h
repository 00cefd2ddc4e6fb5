#pragma once

#include <array>
#include <string_view>

#include "app/control_ids.h"
#include "language/language_id.h"

namespace halvo {

// A text that belongs to one control of the player window.
struct ControlText {
  ControlId control;
  std::u16string_view text;
};

// The six status-pane labels of one language, in pane order 0 to 5.
struct StatusPaneLabels {
  std::u16string_view fileNameLabel;
  std::u16string_view speedLabel;
  std::u16string_view zoomLabel;
  std::u16string_view resolutionLabel;
  std::u16string_view frameRateLabel;
  std::u16string_view recordDateLabel;
};

inline constexpr int kIconButtonCount = 14;

// Everything a language switch writes into the player window, except the menu.
struct PlayerTexts {
  // Captions of 1068, 1063, 1064, 1065 and 1069, in that order.
  std::array<ControlText, 5> controlTexts;
  // Tooltips of the fourteen icon buttons, hidden ones included.
  std::array<ControlText, kIconButtonCount> tooltips;
  StatusPaneLabels labels;
};

const PlayerTexts& PlayerTextsFor(LanguageId language);

// The caption of 1068, 1063, 1064, 1065 or 1069; empty for any other control.
std::u16string_view ControlTextFor(LanguageId language, ControlId control);

// The tooltip of one of the fourteen icon buttons; empty for any other control.
std::u16string_view TooltipFor(LanguageId language, ControlId control);

}  // namespace halvo
