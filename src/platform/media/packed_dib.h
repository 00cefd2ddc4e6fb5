#pragma once

#include <cstdint>
#include <vector>

namespace halvo {

inline constexpr int kDibHeaderSize = 40;

// Packs a top-down BGRx picture (stride bytes per row) as a device-independent bitmap in
// memory: the 40-byte info header (32 bits per pixel, uncompressed, positive height) followed
// by the rows bottom-up. The fourth byte of every pixel is written as 0.
std::vector<uint8_t> PackDibFromBgrx(const uint8_t* pixels, int width, int height, int stride);

}  // namespace halvo
