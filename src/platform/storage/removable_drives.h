#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace halvo {

// Where the recorder's card can be found and how much room it has.
class RemovableDrives {
 public:
  virtual ~RemovableDrives() = default;
  // Mount points of the file systems on removable block devices, in any order.
  virtual std::vector<std::string> MountPoints() = 0;
  // The folder used when no card is present, created when missing.
  virtual std::string FallbackFolder() = 0;
  // Free space available to the user at a drive entry, in MiB.
  virtual std::optional<uint64_t> FreeSpaceMegabytes(const std::string& driveEntry) = 0;
};

}  // namespace halvo
