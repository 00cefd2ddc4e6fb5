#include "platform/storage/mount_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/temp_folder.h"

namespace halvo {
namespace {

TEST(ParseMountInfo, ReadsFieldsAroundOptionalTagsAndDecodesEscapes) {
  const auto entries = ParseMountInfo(
      "28 1 254:0 / / rw,relatime - ext4 /dev/vda rw,discard\n"
      "90 28 179:1 / /media/u/MY\\040CARD rw,nosuid shared:5 master:1 - vfat /dev/mmcblk0p1 "
      "rw,uid=1000\n"
      "broken line\n"
      "22 28 0:21 / /proc rw - proc proc rw\n");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[1].major, 179u);
  EXPECT_EQ(entries[1].minor, 1u);
  EXPECT_EQ(entries[1].mountPoint, "/media/u/MY CARD");
  EXPECT_EQ(entries[1].mountOptions, "rw,nosuid");
  EXPECT_EQ(entries[1].fsType, "vfat");
  EXPECT_EQ(entries[1].source, "/dev/mmcblk0p1");
  EXPECT_EQ(entries[1].superOptions, "rw,uid=1000");
  EXPECT_EQ(entries[2].major, 0u);
}

TEST(IsRemovableBlockDevice, FollowsSysfsFlagsAndSdSlots) {
  namespace fs = std::filesystem;
  TempFolder root;
  const fs::path devices = fs::path(root.path()) / "devices";
  const auto add = [&](const std::string& disk, unsigned minor, const std::string& removable,
                       const std::string& type, bool partition) {
    const fs::path diskDir = devices / disk;
    fs::create_directories(diskDir / "device");
    fs::create_directories(diskDir / (disk + "p1"));
    std::ofstream(diskDir / "removable") << removable << "\n";
    if (!type.empty()) std::ofstream(diskDir / "device/type") << type << "\n";
    fs::create_directories(root / "dev/block");
    fs::create_symlink(partition ? diskDir / (disk + "p1") : diskDir,
                       root / ("dev/block/8:" + std::to_string(minor)));
  };
  add("sdb", 1, "1", "", true);
  add("sdc", 2, "1", "", false);
  add("sda", 3, "0", "", true);
  add("mmcblk0", 4, "0", "SD", true);
  add("mmcblk1", 5, "0", "MMC", true);
  EXPECT_TRUE(IsRemovableBlockDevice(root.path(), 8, 1)) << "partition of a removable disk";
  EXPECT_TRUE(IsRemovableBlockDevice(root.path(), 8, 2)) << "removable disk without partitions";
  EXPECT_FALSE(IsRemovableBlockDevice(root.path(), 8, 3)) << "fixed disk";
  EXPECT_TRUE(IsRemovableBlockDevice(root.path(), 8, 4)) << "SD card slot";
  EXPECT_FALSE(IsRemovableBlockDevice(root.path(), 8, 5)) << "built-in eMMC";
  EXPECT_FALSE(IsRemovableBlockDevice(root.path(), 8, 9)) << "unknown device";
}

}  // namespace
}  // namespace halvo
