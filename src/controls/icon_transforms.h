#pragma once

#include "controls/colour.h"

namespace halvo {

// Requests passed in place of an idle icon: build it from the normal icon.
enum IconDerivation : int {
  ICON_DERIVE_GREY = -2,
  ICON_DERIVE_DIMMED = -3,
};

// Each channel loses a quarter, truncated: 255 -> 191, 100 -> 75, 1 -> 0.
Colour DimmedPixel(Colour pixel);
// Luma-weighted grey, truncated: red -> 76, green -> 149, blue -> 29.
Colour GreyscalePixel(Colour pixel);
// The pixel of a derived icon; black stays black whatever the transform.
Colour DerivedIconPixel(IconDerivation derivation, Colour pixel);

}  // namespace halvo
