#include "language/os_version.h"

namespace halvo {

OsProbeOutcome ProbeOsVersion(const std::optional<OsVersion>& version, bool quickFormat) {
  if (!version) return {false, quickFormat, false};
  OsProbeOutcome outcome{true, quickFormat, false};
  if (!version->ntFamily) return outcome;
  if (version->major == 7) {
    outcome.quickFormat = true;
  } else if (version->major == 6) {
    outcome.quickFormat = version->workstation;
  } else if (version->major == 5 && version->minor == 2) {
    if (version->serverR2 || (version->workstation && version->x64)) {
      outcome.quickFormat = false;
    } else {
      outcome.showServer2003Message = true;
    }
  } else if (version->major == 5 && version->minor == 1) {
    outcome.quickFormat = false;
  }
  return outcome;
}

}  // namespace halvo
