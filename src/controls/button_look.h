#pragma once

#include <cstdint>

#include "controls/colour.h"

namespace halvo {

// The six colour slots of an icon button, in their fixed order.
struct ButtonColours {
  Colour hoverBackground = 0;
  Colour hoverText = 0;
  Colour idleBackground = 0;
  Colour idleText = 0;
  Colour focusBackground = 0;
  Colour focusText = 0;

  // All backgrounds in the face colour, all texts in the text colour.
  static ButtonColours FromSystem(Colour face, Colour text);
};

// What a button paint depends on besides its colours.
struct ButtonPaintState {
  bool hovering = false;
  bool pressed = false;
  bool focused = false;
};

enum class ButtonEdge { None, Raised, Sunken };

Colour FaceColour(const ButtonColours& colours, ButtonPaintState state);
Colour CaptionColour(const ButtonColours& colours, ButtonPaintState state);
ButtonEdge EdgeFor(ButtonPaintState state);
// 0: the normal icon; 1: the idle icon.
int IconSlotFor(ButtonPaintState state, bool hasIdleIcon);

inline constexpr int kShiftAccepted = 0;
inline constexpr int kShiftRejected = 5;

// Moves all three channels by one common shift. Darkening stops where the
// darkest channel reaches 0, lightening where the lightest reaches 255, so the
// hue never breaks. Offsets outside -255..255 are rejected and change nothing.
int ShiftHoverBackground(ButtonColours& colours, std::int16_t offset);

}  // namespace halvo
