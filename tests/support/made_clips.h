#pragma once

#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

#include "support/temp_folder.h"
#include "support/tool_run.h"

extern char** environ;

namespace halvo {

// Clips written at run time by the clip maker (${HALVO_BUILD_DIR}/tools/clip_maker/
// halvo-make-clip) into a fresh temporary folder, removed with everything in it.
class MadeClips {
 public:
  std::string PathOf(const std::string& name) const { return folder_ / name; }

  // Writes the clip `name` with the clip maker's options (e.g. {"--frames", "60", "--audio"});
  // its full path, or an empty string when the clip maker failed.
  std::string Make(const std::string& name, const std::vector<std::string>& options) const {
    const std::string tool = ToolPath("clip_maker/halvo-make-clip");
    const std::string path = PathOf(name);
    std::vector<std::string> args{tool, path};
    args.insert(args.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawn(&child, tool.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return {};
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      return {};
    }
    return path;
  }

 private:
  TempFolder folder_;
};

}  // namespace halvo
