#include "platform/media/packed_dib.h"

#include <cstring>

namespace halvo {
namespace {

void PutLe32(uint8_t* at, uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

void PutLe16(uint8_t* at, uint16_t value) {
  at[0] = static_cast<uint8_t>(value);
  at[1] = static_cast<uint8_t>(value >> 8);
}

}  // namespace

std::vector<uint8_t> PackDibFromBgrx(const uint8_t* pixels, int width, int height, int stride) {
  const size_t rowBytes = static_cast<size_t>(width) * 4;
  const size_t imageBytes = rowBytes * static_cast<size_t>(height);
  std::vector<uint8_t> dib(kDibHeaderSize + imageBytes, 0);

  uint8_t* header = dib.data();
  PutLe32(header + 0, kDibHeaderSize);
  PutLe32(header + 4, static_cast<uint32_t>(width));
  PutLe32(header + 8, static_cast<uint32_t>(height));
  PutLe16(header + 12, 1);   // planes
  PutLe16(header + 14, 32);  // bits per pixel
  PutLe32(header + 16, 0);   // uncompressed
  PutLe32(header + 20, static_cast<uint32_t>(imageBytes));

  uint8_t* out = dib.data() + kDibHeaderSize;
  for (int row = 0; row < height; ++row) {
    const uint8_t* in = pixels + static_cast<size_t>(height - 1 - row) * stride;
    std::memcpy(out, in, rowBytes);
    for (size_t x = 3; x < rowBytes; x += 4) out[x] = 0;
    out += rowBytes;
  }
  return dib;
}

}  // namespace halvo
