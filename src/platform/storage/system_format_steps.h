#pragma once

#include "platform/storage/format_steps.h"

namespace halvo {

// The real steps: statvfs, umount2, mkfs.fat run without a shell, mount(2).
class SystemFormatSteps final : public FormatSteps {
 public:
  bool MayFormat(const MountedCard& card) override;
  std::optional<uint64_t> VolumeMegabytes(const MountedCard& card) override;
  int Unmount(const MountedCard& card) override;
  CommandResult RunMkfs(const std::vector<std::string>& arguments) override;
  int Mount(const MountedCard& card, const std::string& fsType) override;
};

// Runs a program with an argument vector (no shell), collecting its output. A bare program
// name is looked up on PATH and then in the system folders, where mkfs.fat lives.
CommandResult RunCommand(const std::vector<std::string>& arguments);

}  // namespace halvo
