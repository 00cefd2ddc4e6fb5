#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/storage/removable_card.h"

namespace halvo {

struct CommandResult {
  int exitCode = -1;   // -1 when the program could not be started or did not exit normally
  std::string output;  // standard output and standard error together
};

// The system operations of a card format, one call each, so that the order and every failure
// path can be checked without a card.
class FormatSteps {
 public:
  virtual ~FormatSteps() = default;
  // Whether this process may unmount the card and write its device.
  virtual bool MayFormat(const MountedCard& card) = 0;
  virtual std::optional<uint64_t> VolumeMegabytes(const MountedCard& card) = 0;
  // 0 or the errno of the failure.
  virtual int Unmount(const MountedCard& card) = 0;
  virtual CommandResult RunMkfs(const std::vector<std::string>& arguments) = 0;
  virtual int Mount(const MountedCard& card, const std::string& fsType) = 0;
};

}  // namespace halvo
