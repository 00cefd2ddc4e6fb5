#pragma once

#include <optional>

#include "language/os_version.h"

namespace halvo {

// This machine's operating system from uname(); empty when uname fails.
// Linux is outside the NT family, so the card-format choice keeps its default.
std::optional<OsVersion> ReadOsVersion();

}  // namespace halvo
