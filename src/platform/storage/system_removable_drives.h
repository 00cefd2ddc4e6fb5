#pragma once

#include <string>

#include "platform/storage/removable_drives.h"

namespace halvo {

// Removable drives of this machine from the mount table and sysfs; the fallback folder is
// "temp" in the user's home.
class SystemRemovableDrives final : public RemovableDrives {
 public:
  explicit SystemRemovableDrives(std::string mountInfoPath = "/proc/self/mountinfo",
                                 std::string sysfsRoot = "/sys");

  std::vector<std::string> MountPoints() override;
  std::string FallbackFolder() override;
  std::optional<uint64_t> FreeSpaceMegabytes(const std::string& driveEntry) override;

 private:
  std::string mountInfoPath_;
  std::string sysfsRoot_;
};

// $HOME/temp (the password database's home when HOME is unset).
std::string FallbackFolderPath();

}  // namespace halvo
