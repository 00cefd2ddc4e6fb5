#pragma once

#include <string>

namespace halvo {

// Prints the record's fields as JSON. Exit status: 0 printed, 1 unreadable file, 2 not a
// settings record.
int RunDump(const std::string& path);

}  // namespace halvo
