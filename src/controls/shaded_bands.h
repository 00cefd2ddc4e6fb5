#pragma once

#include <vector>

#include "controls/colour.h"
#include "controls/control_geometry.h"

namespace halvo {

// One rounded rectangle of a shaded drawing, painted in order, outermost first.
struct ShadedBand {
  Colour colour = 0;
  ControlRect rect;
  friend bool operator==(const ShadedBand&, const ShadedBand&) = default;
};

// Nested bands, each 10 lighter per channel (a channel above 245 stays); the
// first shrinks on all sides, the rest only at top and bottom, until empty.
std::vector<ShadedBand> BandSeries(Colour colour, ControlRect rect, bool first);

// The progress fill: a rim in the base colour, then a band series starting
// firstStep lighter (capped at 255), shrinking top and bottom.
std::vector<ShadedBand> ShadedBar(Colour colour, int firstStep, ControlRect rect);

// The thumb: a band series shrinking on all sides first.
std::vector<ShadedBand> ShadedBlock(Colour colour, ControlRect rect);

}  // namespace halvo
