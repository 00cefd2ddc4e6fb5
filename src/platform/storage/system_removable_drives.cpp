#include "platform/storage/system_removable_drives.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/storage/free_space.h"
#include "platform/storage/mount_table.h"

namespace halvo {

SystemRemovableDrives::SystemRemovableDrives(std::string mountInfoPath, std::string sysfsRoot)
    : mountInfoPath_(std::move(mountInfoPath)), sysfsRoot_(std::move(sysfsRoot)) {}

std::vector<std::string> SystemRemovableDrives::MountPoints() {
  std::vector<std::string> mountPoints;
  for (const MountEntry& entry : ReadMountInfo(mountInfoPath_)) {
    if (entry.major != 0 && IsRemovableBlockDevice(sysfsRoot_, entry.major, entry.minor)) {
      mountPoints.push_back(entry.mountPoint);
    }
  }
  return mountPoints;
}

std::string SystemRemovableDrives::FallbackFolder() {
  const std::string folder = FallbackFolderPath();
  std::error_code ignored;  // a missing folder shows up when the save cannot open the file
  std::filesystem::create_directories(folder, ignored);
  return folder;
}

std::optional<uint64_t> SystemRemovableDrives::FreeSpaceMegabytes(const std::string& driveEntry) {
  return halvo::FreeSpaceMegabytes(driveEntry);
}

std::string FallbackFolderPath() {
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == 0) {
    const passwd* user = ::getpwuid(::getuid());
    home = user != nullptr ? user->pw_dir : "/tmp";
  }
  std::string folder(home);
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder + "temp";
}

}  // namespace halvo
