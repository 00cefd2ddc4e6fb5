#include "controls/icon_transforms.h"

namespace halvo {
namespace {

int Dim(int channel) {
  const double c = channel;
  return static_cast<int>(c - c * 0.25);
}

}  // namespace

Colour DimmedPixel(Colour pixel) {
  return MakeColour(Dim(RedOf(pixel)), Dim(GreenOf(pixel)), Dim(BlueOf(pixel)));
}

Colour GreyscalePixel(Colour pixel) {
  const double grey = static_cast<double>(GreenOf(pixel)) * 0.587 +
                      static_cast<double>(RedOf(pixel)) * 0.299 +
                      static_cast<double>(BlueOf(pixel)) * 0.114;
  const int g = static_cast<int>(grey);
  return MakeColour(g, g, g);
}

Colour DerivedIconPixel(IconDerivation derivation, Colour pixel) {
  if (pixel == 0) return 0;
  return derivation == ICON_DERIVE_GREY ? GreyscalePixel(pixel) : DimmedPixel(pixel);
}

}  // namespace halvo
