#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace halvo {

// One line of /proc/self/mountinfo.
struct MountEntry {
  unsigned major = 0;
  unsigned minor = 0;
  std::string mountPoint;
  std::string mountOptions;  // per mount: rw, nosuid, ...
  std::string fsType;
  std::string source;        // the device path for block devices
  std::string superOptions;  // of the file system: uid=, fmask=, ...
};

// Lines that do not parse are skipped; octal escapes (\040 for a blank) are decoded.
std::vector<MountEntry> ParseMountInfo(std::string_view text);
std::vector<MountEntry> ReadMountInfo(const std::string& path);

// A block device counts as removable when sysfs marks it or its disk removable, or when it is
// an SD card in an SD slot (mmcblk of type SD; built-in eMMC never counts).
bool IsRemovableBlockDevice(const std::string& sysfsRoot, unsigned major, unsigned minor);

}  // namespace halvo
