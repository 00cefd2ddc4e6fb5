#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace halvo::test {

// Path of an executable built under tools/, e.g. Tool("clip_maker/halvo-make-clip").
// HALVO_TEST_BUILD_DIR is the build root, compiled in by CMake.
inline std::string Tool(const std::string& relative) {
  const char* build = std::getenv("HALVO_BUILD_DIR");
  return std::string(build ? build : HALVO_TEST_BUILD_DIR) + "/tools/" + relative;
}

struct ToolRun {
  int status = -1;  // exit status
  std::string out;  // standard output
};

// Runs a shell command line (arguments are test-made paths without blanks).
inline ToolRun RunTool(const std::string& commandLine) {
  ToolRun run;
  FILE* pipe = popen(commandLine.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> chunk;
  size_t read;
  while ((read = fread(chunk.data(), 1, chunk.size(), pipe)) > 0)
    run.out.append(chunk.data(), read);
  const int raw = pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

inline std::string MakeClip(const std::string& output, const std::string& options) {
  const ToolRun run = RunTool(Tool("clip_maker/halvo-make-clip") + " " + options + " " + output);
  return run.status == 0 ? output : std::string();
}

}  // namespace halvo::test
