#pragma once

#include <string>

#include "support/tool_run.h"

namespace halvo::test {

// Writes a clip with the clip maker; its path, or empty when the maker failed.
inline std::string MakeClip(const std::string& output, const std::string& options) {
  const ToolRun run =
      RunTool(ToolPath("clip_maker/halvo-make-clip") + " " + options + " " + output);
  return run.status == 0 ? output : std::string();
}

}  // namespace halvo::test
