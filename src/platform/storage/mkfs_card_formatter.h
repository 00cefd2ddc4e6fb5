#pragma once

#include <string>

#include "platform/storage/card_formatter.h"
#include "platform/storage/format_steps.h"

namespace halvo {

// Unmounts the card, runs mkfs.fat on its device and mounts it again. Only a file system
// mounted at the entry on a block device that sysfs confirms removable is ever touched.
class MkfsCardFormatter final : public CardFormatter {
 public:
  explicit MkfsCardFormatter(FormatSteps& steps, std::string mountInfoPath = "/proc/self/mountinfo",
                             std::string sysfsRoot = "/sys");

  FormatOutcome FormatCard(const std::string& driveEntry, bool quickFormat,
                           Prompts& prompts) override;

 private:
  FormatSteps& steps_;
  std::string mountInfoPath_;
  std::string sysfsRoot_;
};

}  // namespace halvo
