#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace halvo {

// Little-endian 32-bit value of the four bytes at p; the caller has checked them.
inline uint32_t LoadLe32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

// Bounds-checked little-endian access to bytes read from a file: a value that
// does not lie wholly inside the view is absent, never read past the end.
class ByteView {
 public:
  explicit ByteView(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  size_t size() const { return bytes_.size(); }
  bool Holds(uint64_t offset, uint64_t count) const {
    return offset <= bytes_.size() && count <= bytes_.size() - offset;
  }
  std::optional<uint8_t> Byte(uint64_t offset) const {
    if (!Holds(offset, 1)) return std::nullopt;
    return bytes_[offset];
  }
  std::optional<uint32_t> U32(uint64_t offset) const {
    if (!Holds(offset, 4)) return std::nullopt;
    return LoadLe32(bytes_.data() + offset);
  }
  // True when the four bytes at offset are the code, e.g. "movi".
  bool IsCode(uint64_t offset, std::string_view code) const {
    return Holds(offset, 4) && bytes_[offset] == static_cast<uint8_t>(code[0]) &&
           bytes_[offset + 1] == static_cast<uint8_t>(code[1]) &&
           bytes_[offset + 2] == static_cast<uint8_t>(code[2]) &&
           bytes_[offset + 3] == static_cast<uint8_t>(code[3]);
  }
  // Up to count bytes from offset, fewer where the view ends.
  std::span<const uint8_t> Bytes(uint64_t offset, uint64_t count) const {
    if (offset >= bytes_.size()) return {};
    return bytes_.subspan(offset, std::min<uint64_t>(count, bytes_.size() - offset));
  }

 private:
  std::span<const uint8_t> bytes_;
};

}  // namespace halvo
