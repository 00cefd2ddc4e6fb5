#include "platform/storage/free_space.h"

#include <sys/statvfs.h>

namespace halvo {

std::optional<uint64_t> FreeSpaceMegabytes(const std::string& path, std::ostream& diagnostics) {
  struct statvfs info {};
  if (::statvfs(path.c_str(), &info) != 0) return std::nullopt;
  const uint64_t available = uint64_t{info.f_bavail} * info.f_frsize;
  const uint64_t total = uint64_t{info.f_blocks} * info.f_frsize;
  const uint64_t free = uint64_t{info.f_bfree} * info.f_frsize;
  diagnostics << "Av=" << available << ",Total=" << total << ",Free=" << free << "\n";
  return available >> 20;
}

std::optional<uint64_t> VolumeMegabytes(const std::string& path) {
  struct statvfs info {};
  if (::statvfs(path.c_str(), &info) != 0) return std::nullopt;
  return (uint64_t{info.f_blocks} * info.f_frsize) >> 20;
}

}  // namespace halvo
