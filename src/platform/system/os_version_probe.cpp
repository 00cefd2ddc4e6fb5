#include "platform/system/os_version_probe.h"

#include <sys/utsname.h>

namespace halvo {

std::optional<OsVersion> ReadOsVersion() {
  utsname name{};
  if (uname(&name) != 0) return std::nullopt;
  // The version numbers of the record are those of the NT family; a Linux
  // kernel's release numbers mean something else and are left out.
  return OsVersion{.ntFamily = false};
}

}  // namespace halvo
