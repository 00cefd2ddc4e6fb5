#pragma once

#include <cstdint>

#include "controls/colour.h"
#include "controls/control_geometry.h"

namespace halvo {

inline constexpr Colour kBlinkLightColour = MakeColour(204, 204, 204);
inline constexpr Colour kBlinkDarkColour = MakeColour(102, 102, 204);
inline constexpr int kProgressFillLeft = 9;
inline constexpr int kProgressFirstStep = 20;

// The seek bar's own state: the progress fill's value and maximum, kept apart
// from the slider's position and range, and the colour of the next thumb paint.
struct ProgressSliderModel {
  Colour progressColour = MakeColour(102, 102, 204);
  std::int32_t progressMaximum = 0;
  std::int32_t progressValue = 0;
  Colour thumbHoverColour = MakeColour(255, 102, 0);
  Colour thumbNormalColour = MakeColour(0, 204, 0);
  Colour thumbDragColour = MakeColour(153, 102, 204);
  Colour thumbColour = thumbNormalColour;
  bool blinkPhase = false;

  // Stores the value and answers the previous one.
  std::int32_t SetProgress(std::int32_t value);
  void OnMouseMove(bool overThumb);
  // Light grey, then the progress colour, alternating.
  void OnTimer();
  // Called at every thumb paint: a dragged thumb is drawn in the drag colour.
  void OnThumbPaint(bool dragged);
};

// The area the mouse counts as over the thumb: 2 wider left and right,
// 2 shorter top and bottom.
ControlRect ThumbHoverRect(ControlRect thumb);

// The slider's channel: along the thumb centre's travel, 4 pixels tall,
// centred in the control's height.
ControlRect ChannelFor(int controlWidth, int controlHeight, int thumbLength);

// The sunken groove around the channel and the area inside its edge, where
// the fill lies.
struct GrooveGeometry {
  ControlRect edge;   // the two-pixel sunken edge is drawn along this
  ControlRect inner;  // inside the edge, one pixel taller at top and bottom
};
GrooveGeometry GrooveFor(ControlRect channel);

// Right edge of the fill: 9 + innerWidth * value / maximum, or 9 when the
// maximum is 0. The product is taken in 64 bits so no value overflows it.
int ProgressFillRight(int innerWidth, std::int32_t value, std::int32_t maximum);

// The rectangle of the progress fill; it always starts at x = 9.
ControlRect ProgressFillRect(ControlRect channel, std::int32_t value, std::int32_t maximum);

}  // namespace halvo
