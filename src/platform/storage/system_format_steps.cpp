#include "platform/storage/system_format_steps.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/storage/free_space.h"

extern char** environ;

namespace halvo {
namespace {

int Spawn(pid_t& child, const std::string& program, const posix_spawn_file_actions_t& actions,
          char* const* argv) {
  if (program.find('/') != std::string::npos) {
    return posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ);
  }
  int error = posix_spawnp(&child, program.c_str(), &actions, nullptr, argv, environ);
  for (const char* folder : {"/usr/sbin/", "/sbin/"}) {
    if (error != ENOENT) break;
    error = posix_spawn(&child, (folder + program).c_str(), &actions, nullptr, argv, environ);
  }
  return error;
}

}  // namespace

bool SystemFormatSteps::MayFormat(const MountedCard& card) {
  // Unmounting and mounting need administrator rights whatever the device's permissions say.
  return ::geteuid() == 0 && ::access(card.device.c_str(), R_OK | W_OK) == 0;
}

std::optional<uint64_t> SystemFormatSteps::VolumeMegabytes(const MountedCard& card) {
  return halvo::VolumeMegabytes(card.mountPoint);
}

int SystemFormatSteps::Unmount(const MountedCard& card) {
  return ::umount2(card.mountPoint.c_str(), 0) == 0 ? 0 : errno;
}

CommandResult SystemFormatSteps::RunMkfs(const std::vector<std::string>& arguments) {
  return RunCommand(arguments);
}

int SystemFormatSteps::Mount(const MountedCard& card, const std::string& fsType) {
  const MountRequest request = RemountRequest(card);
  const int result = ::mount(card.device.c_str(), card.mountPoint.c_str(), fsType.c_str(),
                             request.flags, request.data.empty() ? nullptr : request.data.c_str());
  return result == 0 ? 0 : errno;
}

CommandResult RunCommand(const std::vector<std::string>& arguments) {
  CommandResult result;
  if (arguments.empty()) return result;
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  int pipeEnds[2];
  if (::pipe2(pipeEnds, O_CLOEXEC) != 0) return result;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  pid_t child = 0;
  const int spawnError = Spawn(child, arguments.front(), actions, argv.data());
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipeEnds[1]);
  if (spawnError != 0) {
    ::close(pipeEnds[0]);
    result.output = arguments.front() + ": " + std::strerror(spawnError);
    return result;
  }
  char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(pipeEnds[0], buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    result.output.append(buffer, static_cast<size_t>(n));
  }
  ::close(pipeEnds[0]);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace halvo
