#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/storage/mount_table.h"

namespace halvo {

// A card that may be formatted: a file system mounted once, on a block device that sysfs
// confirms removable.
struct MountedCard {
  std::string mountPoint;
  std::string device;
  std::string fsType;
  std::string mountOptions;
  std::string superOptions;
};

// The card mounted at the drive entry, or nothing when the entry is anything else.
std::optional<MountedCard> FindRemovableCard(const std::string& driveEntry,
                                             const std::vector<MountEntry>& mounts,
                                             const std::string& sysfsRoot);

// mount(2) flags and data that mount the card again as it was: its nosuid/nodev/noexec/ro
// flags and the owner and permission options of a FAT-like file system.
struct MountRequest {
  unsigned long flags = 0;
  std::string data;
};
MountRequest RemountRequest(const MountedCard& card);

}  // namespace halvo
