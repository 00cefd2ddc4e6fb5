#include "platform/storage/removable_card.h"

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <sstream>

namespace halvo {
namespace {

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::vector<std::string> SplitOptions(const std::string& options) {
  std::vector<std::string> parts;
  std::stringstream in(options);
  for (std::string part; std::getline(in, part, ',');) parts.push_back(part);
  return parts;
}

}  // namespace

std::optional<MountedCard> FindRemovableCard(const std::string& driveEntry,
                                             const std::vector<MountEntry>& mounts,
                                             const std::string& sysfsRoot) {
  const std::string mountPoint = WithoutTrailingSlash(driveEntry);
  // The last mount at a point is the one that is visible there.
  const auto visible = std::find_if(mounts.rbegin(), mounts.rend(), [&](const MountEntry& m) {
    return m.mountPoint == mountPoint;
  });
  if (visible == mounts.rend()) return std::nullopt;
  const MountEntry& mount = *visible;
  // Mounted elsewhere too, unmounting here would leave the file system in use.
  const auto sameDevice = std::count_if(mounts.begin(), mounts.end(), [&](const MountEntry& m) {
    return m.major == mount.major && m.minor == mount.minor;
  });
  if (sameDevice != 1) return std::nullopt;
  struct stat node {};
  if (mount.source.empty() || mount.source.front() != '/' ||
      ::stat(mount.source.c_str(), &node) != 0 || !S_ISBLK(node.st_mode) ||
      major(node.st_rdev) != mount.major || minor(node.st_rdev) != mount.minor) {
    return std::nullopt;
  }
  if (!IsRemovableBlockDevice(sysfsRoot, mount.major, mount.minor)) return std::nullopt;
  return MountedCard{mount.mountPoint, mount.source, mount.fsType, mount.mountOptions,
                     mount.superOptions};
}

MountRequest RemountRequest(const MountedCard& card) {
  MountRequest request;
  for (const std::string& option : SplitOptions(card.mountOptions)) {
    if (option == "ro") request.flags |= MS_RDONLY;
    if (option == "nosuid") request.flags |= MS_NOSUID;
    if (option == "nodev") request.flags |= MS_NODEV;
    if (option == "noexec") request.flags |= MS_NOEXEC;
  }
  for (const std::string& option : SplitOptions(card.superOptions)) {
    for (const char* kept : {"uid=", "gid=", "fmask=", "dmask=", "umask="}) {
      if (option.starts_with(kept)) {
        if (!request.data.empty()) request.data += ',';
        request.data += option;
      }
    }
  }
  return request;
}

}  // namespace halvo
