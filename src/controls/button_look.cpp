#include "controls/button_look.h"

#include <algorithm>

namespace halvo {

ButtonColours ButtonColours::FromSystem(Colour face, Colour text) {
  return {face, text, face, text, face, text};
}

Colour FaceColour(const ButtonColours& colours, ButtonPaintState state) {
  if (state.hovering || state.pressed) return colours.hoverBackground;
  if (state.focused) return colours.focusBackground;
  return colours.idleBackground;
}

Colour CaptionColour(const ButtonColours& colours, ButtonPaintState state) {
  if (state.hovering || state.pressed) return colours.hoverText;
  if (state.focused) return colours.focusText;
  return colours.idleText;
}

ButtonEdge EdgeFor(ButtonPaintState state) {
  if (state.pressed) return ButtonEdge::Sunken;
  if (state.hovering) return ButtonEdge::Raised;
  return ButtonEdge::None;
}

int IconSlotFor(ButtonPaintState state, bool hasIdleIcon) {
  if (state.pressed || state.hovering) return 0;
  return hasIdleIcon ? 1 : 0;
}

int ShiftHoverBackground(ButtonColours& colours, std::int16_t offset) {
  if (offset < -255 || offset > 255) return kShiftRejected;
  const Colour c = colours.hoverBackground;
  const int channels[3] = {RedOf(c), GreenOf(c), BlueOf(c)};
  int shift = offset;
  for (int channel : channels) {
    if (offset < 0) {
      shift = std::max(shift, channel + offset < 0 ? -channel : static_cast<int>(offset));
    } else {
      shift = std::min(shift, channel + offset > 255 ? 255 - channel : static_cast<int>(offset));
    }
  }
  colours.hoverBackground =
      MakeColour(channels[0] + shift, channels[1] + shift, channels[2] + shift);
  return kShiftAccepted;
}

}  // namespace halvo
