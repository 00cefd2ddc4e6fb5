#include "recorder_config/format_plan.h"

#include "language/text.h"

namespace halvo {

FormatPlan PlanFormat(uint64_t cardMegabytes, bool quickFormat) {
  if (cardMegabytes >= 1 && cardMegabytes <= 799) return {false, 0, quickFormat};
  if (cardMegabytes >= 800 && cardMegabytes <= 1000) return {true, 8192, quickFormat};
  if (cardMegabytes >= 1001 && cardMegabytes <= 2000) return {true, 16384, quickFormat};
  return {true, 32768, quickFormat};
}

std::vector<std::string> MkfsFatArguments(const FormatPlan& plan, std::string_view device) {
  std::vector<std::string> arguments{"mkfs.fat"};
  if (plan.fat32) arguments.insert(arguments.end(), {"-F", "32"});
  if (plan.clusterBytes != 0) {
    arguments.insert(arguments.end(), {"-S", "512", "-s", std::to_string(plan.clusterBytes / 512)});
  }
  if (!plan.quick) arguments.emplace_back("-c");
  arguments.emplace_back(device);
  return arguments;
}

std::u16string FormatWarningText() {
  return u"WARNING : Formatting will erase ALL data on the disk.\n To format the disk,click YES. "
         u"To quit,click NO";
}

std::u16string FormatWarningCaption(std::string_view drive) {
  return u"Format SD card (" + FromUtf8(drive) + u")";
}

}  // namespace halvo
