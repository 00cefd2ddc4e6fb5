#pragma once

#include <cstdint>
#include <iostream>
#include <optional>
#include <string>

namespace halvo {

// Free space available to this user under `path`, in whole MiB; writes the diagnostic line
// "Av=..,Total=..,Free=.." (bytes) to `diagnostics`. Nothing when the file system cannot say.
std::optional<uint64_t> FreeSpaceMegabytes(const std::string& path,
                                           std::ostream& diagnostics = std::cerr);

// Size of the file system mounted at `path`, in whole MiB.
std::optional<uint64_t> VolumeMegabytes(const std::string& path);

}  // namespace halvo
