#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace halvo::test {

// A synthetic clip built byte by byte: a zero-filled head with markers and
// words placed at chosen offsets, then the old-style index records.
class ClipBytes {
 public:
  explicit ClipBytes(size_t headSize = 1100) : bytes_(headSize, 0) {}

  ClipBytes& Put(size_t at, std::string_view raw) {
    if (bytes_.size() < at + raw.size()) bytes_.resize(at + raw.size(), 0);
    std::copy(raw.begin(), raw.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(at));
    return *this;
  }
  ClipBytes& U32(size_t at, uint32_t value) {
    const char le[4] = {static_cast<char>(value), static_cast<char>(value >> 8),
                        static_cast<char>(value >> 16), static_cast<char>(value >> 24)};
    return Put(at, std::string_view(le, 4));
  }
  // A video stream header: "vids" with the scale and rate words behind it.
  ClipBytes& Vids(size_t at, uint32_t scale, uint32_t rate) {
    return Put(at, "vids").U32(at + 20, scale).U32(at + 24, rate);
  }
  // "REC\" and the 28 name bytes (NUL padded).
  ClipBytes& Rec(size_t at, std::string_view name) {
    std::string bytes(name);
    bytes.resize(28, '\0');
    return Put(at, "REC\\").Put(at + 4, bytes);
  }
  // "movi" whose list ends at the current end of the bytes, followed by the
  // index chunk header; records appended afterwards are the index.
  ClipBytes& Movi(size_t at) {
    Put(at, "movi");
    U32(at - 4, static_cast<uint32_t>(bytes_.size() - at));
    return Put(bytes_.size(), std::string_view("idx1\0\0\0\0", 8));
  }
  ClipBytes& Record(std::string_view id, uint32_t flags, uint32_t size, int times = 1) {
    for (int i = 0; i < times; ++i) {
      const size_t at = bytes_.size();
      Put(at, id).U32(at + 4, flags).U32(at + 8, 0).U32(at + 12, size);
    }
    return *this;
  }
  ClipBytes& Truncate(size_t size) {
    bytes_.resize(size);
    return *this;
  }
  size_t size() const { return bytes_.size(); }

  void WriteTo(const std::filesystem::path& path) const {
    std::ofstream(path, std::ios::binary)
        .write(bytes_.data(), static_cast<std::streamsize>(bytes_.size()));
  }

 private:
  std::vector<char> bytes_;
};

}  // namespace halvo::test
