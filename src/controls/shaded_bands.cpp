#include "controls/shaded_bands.h"

#include <algorithm>

namespace halvo {
namespace {

int Lighten(int channel) { return channel <= 245 ? channel + 10 : channel; }

void AppendSeries(std::vector<ShadedBand>& bands, Colour colour, ControlRect rect, bool first) {
  for (;;) {
    bands.push_back({colour, rect});
    rect.top += 1;
    rect.bottom -= 1;
    if (first) {
      rect.left += 1;
      rect.right -= 1;
      first = false;
    }
    colour = MakeColour(Lighten(RedOf(colour)), Lighten(GreenOf(colour)), Lighten(BlueOf(colour)));
    if (rect.IsEmpty()) return;
  }
}

}  // namespace

std::vector<ShadedBand> BandSeries(Colour colour, ControlRect rect, bool first) {
  std::vector<ShadedBand> bands;
  AppendSeries(bands, colour, rect, first);
  return bands;
}

std::vector<ShadedBand> ShadedBar(Colour colour, int firstStep, ControlRect rect) {
  std::vector<ShadedBand> bands{{colour, rect}};
  const ControlRect inner{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
  if (inner.IsEmpty()) return bands;
  const auto step = [firstStep](int c) { return std::min(c + firstStep, 255); };
  AppendSeries(bands, MakeColour(step(RedOf(colour)), step(GreenOf(colour)), step(BlueOf(colour))),
               inner, false);
  return bands;
}

std::vector<ShadedBand> ShadedBlock(Colour colour, ControlRect rect) {
  return BandSeries(colour, rect, true);
}

}  // namespace halvo
