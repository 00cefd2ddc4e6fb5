#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace halvo {

// How a card of a given size is formatted so that the recorder can use it.
struct FormatPlan {
  bool fat32 = true;          // false: the formatting tool chooses the FAT type
  uint32_t clusterBytes = 0;  // 0: the formatting tool chooses the cluster size
  bool quick = true;          // false: full format, reading every block for bad ones

  friend bool operator==(const FormatPlan&, const FormatPlan&) = default;
};

// Size in MiB of the card's file system; 0 (unknown) is planned like the largest cards.
FormatPlan PlanFormat(uint64_t cardMegabytes, bool quickFormat);

// The mkfs.fat argument vector (program name first) that carries out the plan on `device`.
std::vector<std::string> MkfsFatArguments(const FormatPlan& plan, std::string_view device);

// The confirmation asked before formatting the card mounted at `drive`.
std::u16string FormatWarningText();
std::u16string FormatWarningCaption(std::string_view drive);

}  // namespace halvo
