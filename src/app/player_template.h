#pragma once

#include <array>
#include <span>
#include <string_view>

#include "app/control_ids.h"

namespace halvo {

// A rectangle in dialog units or pixels: left, top, width, height.
struct TemplateRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const TemplateRect&) const = default;
};

// Dialog units of an 8-point dialog font at 96 dpi. Edges are mapped one by
// one so that controls that touch in the template still touch on screen.
TemplateRect DialogUnitsToPixels(const TemplateRect& units);

enum class ControlKind {
  VideoArea,
  HorizontalScrollBar,
  VerticalScrollBar,
  SeekBar,
  StaticText,
  IconButton,
  VolumeBar,
  GroupBox,
  ListBox,
  PushButton,
  Edit,
  DefaultButton,
  StaticIcon,
};

struct ControlTemplate {
  ControlId id;
  ControlKind kind;
  TemplateRect units;
  std::u16string_view text;
  bool visible;
};

// The player window: its client size in dialog units and its controls in tab order.
inline constexpr TemplateRect kPlayerWindowUnits{0, 0, 603, 381};
std::span<const ControlTemplate> PlayerControls();

inline constexpr int kStatusPaneCount = 6;
// Right edges of the six status panes for a status bar of the given width; -1 runs to the end.
std::array<int, kStatusPaneCount> StatusPaneRightEdges(int statusBarWidth);

}  // namespace halvo
