#include "platform/media/packed_dib.h"

#include <gtest/gtest.h>

namespace halvo {
namespace {

TEST(PackedDibTest, WritesTheInfoHeaderAndTheRowsBottomUp) {
  // 2 x 3 pixels with 4 bytes of padding per row; each pixel's bytes name its row and column.
  const int width = 2, height = 3, stride = 12;
  std::vector<uint8_t> pixels(stride * height, 0xEE);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint8_t* p = &pixels[y * stride + x * 4];
      p[0] = static_cast<uint8_t>(10 * y + x);  // blue
      p[1] = 0x40;
      p[2] = 0x80;
      p[3] = 0xFF;  // the padding byte of BGRx
    }
  }
  const std::vector<uint8_t> dib = PackDibFromBgrx(pixels.data(), width, height, stride);
  const std::vector<uint8_t> header(dib.begin(), dib.begin() + kDibHeaderSize);
  const std::vector<uint8_t> expected{40, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0,
                                      24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  0, 0, 0, 0, 0};
  EXPECT_EQ(header, expected);
  ASSERT_EQ(dib.size(), size_t{kDibHeaderSize + 24});
  const uint8_t* rows = dib.data() + kDibHeaderSize;
  for (int row = 0; row < height; ++row) {
    for (int x = 0; x < width; ++x) {
      const uint8_t* p = rows + (row * width + x) * 4;
      EXPECT_EQ(p[0], 10 * (height - 1 - row) + x);
      EXPECT_EQ(p[1], 0x40);
      EXPECT_EQ(p[2], 0x80);
      EXPECT_EQ(p[3], 0);
    }
  }
}

}  // namespace
}  // namespace halvo
