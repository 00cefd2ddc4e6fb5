#pragma once

#include "controls/control_geometry.h"

namespace halvo {

// An icon's size as the button records it: twice its hot spot, which lies at
// the centre, so odd sizes lose a pixel (23 x 23 is recorded as 22 x 22).
struct RecordedSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const RecordedSize&, const RecordedSize&) = default;
};
RecordedSize RecordIconSize(int imageWidth, int imageHeight);

struct IconLayoutInput {
  ControlRect item;   // the button's client rectangle
  RecordedSize icon;  // recorded size of the chosen icon
  bool hasCaption = false;
  ControlPoint imageMargin{3, 3};
  ControlPoint pressedShift{1, 1};
  bool pressed = false;
};

struct IconLayout {
  ControlPoint iconTopLeft;  // may be negative when the icon is larger than the button
  ControlRect iconBounds;
  ControlRect caption;  // where the caption may go, before the pressed shift
};

// Centred without a caption; with one, the icon sits imageMargin.x from the
// left and the caption starts after it. Divisions truncate toward zero.
IconLayout PlaceIcon(const IconLayoutInput& in);

// Centres a measured text block of the given size inside the caption area
// (already moved by the pressed shift); truncating divisions.
ControlRect CentreCaption(ControlRect area, int textWidth, int textHeight);

}  // namespace halvo
