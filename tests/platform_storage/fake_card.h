#pragma once

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/temp_folder.h"

namespace halvo {

// A pretend machine in a temporary folder: a sysfs tree, a mount table and a block device
// node, so that card detection runs on real files without any real card. The device number
// is one no loop device uses, and nothing here ever opens the node.
class FakeCardMachine {
 public:
  static constexpr unsigned kMajor = 7;
  static constexpr unsigned kCardMinor = 250;
  static constexpr unsigned kFixedMinor = 251;

  FakeCardMachine() {
    namespace fs = std::filesystem;
    fs::permissions(root_.path(), fs::perms::owner_all | fs::perms::group_read |
                                      fs::perms::group_exec | fs::perms::others_read |
                                      fs::perms::others_exec);
    AddDisk("sdz", "1", kCardMinor);
    AddDisk("vdz", "0", kFixedMinor);
    fs::create_directories(cardMount());
    fs::create_directories(fixedMount());
    nodesMade_ = MakeNode(cardDevice(), kCardMinor) && MakeNode(fixedDevice(), kFixedMinor);
    std::ofstream(mountInfo()) << "28 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n"
                               << "90 28 7:" << kCardMinor << " / " << cardMount()
                               << " rw,nosuid,nodev,relatime shared:5 - exfat " << cardDevice()
                               << " rw,uid=1000,gid=1000,fmask=0022,dmask=0022,codepage=437\n"
                               << "91 28 7:" << kFixedMinor << " / " << fixedMount()
                               << " rw,relatime - vfat " << fixedDevice() << " rw\n";
  }

  bool nodesMade() const { return nodesMade_; }
  std::string root() const { return root_.path(); }
  std::string sysfs() const { return root_ / "sys"; }
  std::string mountInfo() const { return root_ / "mountinfo"; }
  std::string cardMount() const { return root_ / "media/CARD"; }
  std::string fixedMount() const { return root_ / "media/FIXED"; }
  std::string cardDevice() const { return root_ / "sdz1"; }
  std::string fixedDevice() const { return root_ / "vdz1"; }

 private:
  void AddDisk(const std::string& disk, const std::string& removable, unsigned minor) {
    namespace fs = std::filesystem;
    const fs::path diskDir = fs::path(sysfs()) / "devices/virtual/block" / disk;
    fs::create_directories(diskDir / (disk + "1"));
    std::ofstream(diskDir / "removable") << removable << "\n";
    fs::create_directories(fs::path(sysfs()) / "dev/block");
    fs::create_symlink(diskDir / (disk + "1"),
                       fs::path(sysfs()) / "dev/block" / ("7:" + std::to_string(minor)));
  }
  static bool MakeNode(const std::string& path, unsigned minor) {
    return ::mknod(path.c_str(), S_IFBLK | 0600, makedev(kMajor, minor)) == 0;
  }

  TempFolder root_;
  bool nodesMade_ = false;
};

}  // namespace halvo
