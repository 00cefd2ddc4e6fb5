#include "clip/clip_file.h"

#include <filesystem>
#include <limits>

namespace halvo {

std::optional<ClipFile> ClipFile::Open(const std::string& path) {
  std::error_code error;
  if (path.empty() || std::filesystem::is_directory(path, error)) return std::nullopt;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return std::nullopt;
  // Callers read in their own blocks; a second buffer would only copy.
  std::setvbuf(file, nullptr, _IONBF, 0);
  return ClipFile(file);
}

std::optional<size_t> ClipFile::ReadAt(uint64_t offset, std::span<uint8_t> into) {
  if (offset > static_cast<uint64_t>(std::numeric_limits<long>::max())) return 0;
  if (position_ != offset) {
    position_.reset();
    if (std::fseek(file_.get(), static_cast<long>(offset), SEEK_SET) != 0) return std::nullopt;
  }
  const size_t read = std::fread(into.data(), 1, into.size(), file_.get());
  if (read < into.size()) {
    position_.reset();  // the next read seeks, which also clears the end-of-file state
    if (std::ferror(file_.get())) return std::nullopt;
  } else {
    position_ = offset + read;
  }
  return read;
}

}  // namespace halvo
