#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace halvo {

// What the operating system says about itself, as far as the card-format
// choice cares.
struct OsVersion {
  bool ntFamily = false;
  uint32_t major = 0;
  uint32_t minor = 0;
  bool workstation = false;  // product type: a workstation, not a server
  bool x64 = false;          // the machine's processor, not the process's
  bool serverR2 = false;     // the second release of the 5.2 server
};

struct OsProbeOutcome {
  bool result = false;  // false: the version could not be read
  bool quickFormat = false;
  bool showServer2003Message = false;
};

inline constexpr std::u16string_view kOsVersionFailedMessage = u"Get System OS Version Failed";
inline constexpr std::u16string_view kServer2003Message = u"Microsoft Windows Server 2003\n";

// Decides whether the card may be quick-formatted. `version` is empty when it
// could not be read; `quickFormat` is the current value, kept where the
// system gives no answer.
OsProbeOutcome ProbeOsVersion(const std::optional<OsVersion>& version, bool quickFormat);

}  // namespace halvo
