#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace halvo {

// A path inside the build tree: $HALVO_BUILD_DIR (set by CTest), else the tree the test was
// built in.
inline std::string BuildPath(const std::string& relative) {
  const char* build = std::getenv("HALVO_BUILD_DIR");
  return std::string(build != nullptr ? build : HALVO_BINARY_DIR) + "/" + relative;
}

// An executable built under tools/, e.g. ToolPath("clip_maker/halvo-make-clip").
inline std::string ToolPath(const std::string& relative) { return BuildPath("tools/" + relative); }

struct ToolRun {
  int status = -1;  // exit status; -1 when it did not exit normally
  std::string out;  // standard output
  std::string err;  // standard error
};

// Runs a command line the way a script would (arguments are test-made paths without blanks).
inline ToolRun RunTool(const std::string& commandLine) {
  ToolRun run;
  char errPath[] = "/tmp/halvo-tool-err-XXXXXX";
  const int errFile = mkstemp(errPath);
  if (errFile < 0) return run;
  close(errFile);
  FILE* pipe = popen((commandLine + " 2>" + errPath).c_str(), "r");
  if (pipe != nullptr) {
    char chunk[4096];
    for (size_t n; (n = fread(chunk, 1, sizeof chunk, pipe)) > 0;) run.out.append(chunk, n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  std::stringstream err;
  err << std::ifstream(errPath).rdbuf();
  run.err = err.str();
  unlink(errPath);
  return run;
}

}  // namespace halvo
