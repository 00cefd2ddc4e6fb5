// libFuzzer target: the clip scanner on arbitrary bytes, in both index modes.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "clip/clip_scanner.h"

namespace {

// The scanner reads files; an in-memory file keeps each run off the disk.
class MemoryFile {
 public:
  MemoryFile() : fd_(memfd_create("clip", 0)), path_("/proc/self/fd/" + std::to_string(fd_)) {
    if (fd_ < 0) std::abort();
  }
  const std::string& Fill(const uint8_t* data, size_t size) {
    if (ftruncate(fd_, 0) != 0 ||
        (size && pwrite(fd_, data, size, 0) != static_cast<ssize_t>(size))) {
      std::abort();
    }
    return path_;
  }

 private:
  int fd_;
  std::string path_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static MemoryFile file;
  static auto index = std::make_unique<halvo::FrameIndex>();
  const std::string& path = file.Fill(data, size);

  halvo::ClipInfo info;
  if (!halvo::ProbeIndexKind(path, info)) std::abort();
  for (const bool keyframeIndex : {false, true}) {
    const halvo::ScanResult result = halvo::ScanClip(path, keyframeIndex, *index);
    if (!result.opened || result.entries < 0 || result.entries > halvo::FrameIndex::size() ||
        static_cast<uint64_t>(result.entries) * 16 > size ||
        (result.recordDatePane && result.recordDatePane->size() > 10) ||
        result.messages.size() > 2) {
      std::abort();
    }
    halvo::ApplyScanResult(result, info);
  }
  return 0;
}
