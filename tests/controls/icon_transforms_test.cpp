#include "controls/icon_transforms.h"

#include <gtest/gtest.h>

namespace halvo {
namespace {

struct PixelCase {
  Colour in;
  Colour dimmed;
  Colour grey;
};

TEST(IconTransformsTest, DimmedAndGreyscalePixelsTruncate) {
  const PixelCase cases[] = {
      {MakeColour(255, 255, 255), MakeColour(191, 191, 191), MakeColour(255, 255, 255)},
      {MakeColour(1, 1, 1), MakeColour(0, 0, 0), MakeColour(0, 0, 0)},  // 0.99999... truncates
      {MakeColour(100, 100, 100), MakeColour(75, 75, 75), MakeColour(100, 100, 100)},
      {MakeColour(255, 0, 0), MakeColour(191, 0, 0), MakeColour(76, 76, 76)},
      {MakeColour(0, 255, 0), MakeColour(0, 191, 0), MakeColour(149, 149, 149)},
      {MakeColour(0, 0, 255), MakeColour(0, 0, 191), MakeColour(29, 29, 29)},
      {MakeColour(3, 7, 200), MakeColour(2, 5, 150), MakeColour(27, 27, 27)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DerivedIconPixel(ICON_DERIVE_DIMMED, c.in), c.dimmed) << std::hex << c.in;
    EXPECT_EQ(DerivedIconPixel(ICON_DERIVE_GREY, c.in), c.grey) << std::hex << c.in;
  }
}

TEST(IconTransformsTest, BlackStaysBlackAndNoChannelLeaksIntoAnother) {
  EXPECT_EQ(DerivedIconPixel(ICON_DERIVE_DIMMED, 0), 0u);
  EXPECT_EQ(DerivedIconPixel(ICON_DERIVE_GREY, 0), 0u);
  EXPECT_EQ(DimmedPixel(0x00FFFFFF) & 0xFF000000u, 0u);
  EXPECT_EQ(GreyscalePixel(0x00FFFFFF) & 0xFF000000u, 0u);
}

}  // namespace
}  // namespace halvo
