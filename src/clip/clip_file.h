#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace halvo {

// A clip file opened for reading (others may read and write it meanwhile).
// Reads go straight into the caller's buffer, so the caller decides the block size.
class ClipFile {
 public:
  // Nothing when the path cannot be opened or names a directory.
  static std::optional<ClipFile> Open(const std::string& path);

  // Fills `into` from `offset` on; returns the bytes read (fewer at the end of
  // the file), or nothing on a read or seek error.
  std::optional<size_t> ReadAt(uint64_t offset, std::span<uint8_t> into);

 private:
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  explicit ClipFile(std::FILE* file) : file_(file) {}
  std::unique_ptr<std::FILE, Closer> file_;
  std::optional<uint64_t> position_;  // known after a read; sequential reads skip the seek
};

}  // namespace halvo
