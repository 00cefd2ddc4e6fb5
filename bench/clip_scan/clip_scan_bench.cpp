// ScanClip on one clip against two peers reading the same clip: ffprobe listing
// every packet size, and a plain read of exactly the bytes the scanner reads.
//   clip_scan_bench [benchmark flags] CLIP
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "clip/clip_head.h"
#include "clip/clip_scanner.h"
#include "clip/index_walk.h"

extern char** environ;

namespace {

void Scan(benchmark::State& state, const std::string& path) {
  auto index = std::make_unique<halvo::FrameIndex>();
  int entries = 0;
  for (auto _ : state) {
    const halvo::ScanResult result = halvo::ScanClip(path, false, *index);
    entries = result.entries;
    benchmark::DoNotOptimize(entries);
  }
  state.counters["entries"] = entries;
}

// Where the scanner's index walk starts, found once outside the timing.
uint64_t IndexStartOf(const std::string& path) {
  std::array<uint8_t, halvo::kClipHeadBytes> head{};
  FILE* file = std::fopen(path.c_str(), "rb");
  const size_t read = file ? std::fread(head.data(), 1, head.size(), file) : 0;
  if (file) std::fclose(file);
  const halvo::ByteView view(std::span<const uint8_t>(head.data(), read));
  const halvo::ClipMarkers markers = halvo::ScanMarkers(view);
  return markers.movieListOffset ? halvo::IndexStart(view, *markers.movieListOffset).value_or(0)
                                 : 0;
}

void PlainRead(benchmark::State& state, const std::string& path) {
  const uint64_t indexStart = IndexStartOf(path);
  const auto block = std::make_unique_for_overwrite<uint8_t[]>(halvo::kIndexBlockBytes);
  size_t total = 0;
  for (auto _ : state) {
    const int fd = open(path.c_str(), O_RDONLY);
    total = static_cast<size_t>(pread(fd, block.get(), halvo::kClipHeadBytes, 0));
    for (off_t at = static_cast<off_t>(indexStart);;
         at += static_cast<off_t>(halvo::kIndexBlockBytes)) {
      const ssize_t got = pread(fd, block.get(), halvo::kIndexBlockBytes, at);
      if (got <= 0) break;
      total += static_cast<size_t>(got);
      benchmark::DoNotOptimize(block.get());
    }
    close(fd);
  }
  state.counters["bytes"] = static_cast<double>(total);
}

void Ffprobe(benchmark::State& state, const std::string& path) {
  const std::string probe = "/usr/bin/ffprobe";
  if (!std::filesystem::exists(probe)) {
    state.SkipWithError("ffprobe is not installed (bench/clip_scan/run.sh installs it)");
    return;
  }
  std::array<const char*, 9> argv = {"ffprobe", "-v",  "error",      "-show_entries", "packet=size",
                                     "-of",     "csv", path.c_str(), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  for (auto _ : state) {
    pid_t pid = 0;
    int status = 0;
    if (posix_spawn(&pid, probe.c_str(), &actions, nullptr, const_cast<char**>(argv.data()),
                    environ) != 0 ||
        waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("ffprobe failed");
      break;
    }
  }
  posix_spawn_file_actions_destroy(&actions);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: clip_scan_bench [benchmark flags] CLIP\n");
    return 2;
  }
  const std::string clip = argv[1];
  benchmark::RegisterBenchmark("ScanClip", Scan, clip)
      ->Unit(benchmark::kMicrosecond)
      ->UseRealTime();
  benchmark::RegisterBenchmark("PlainRead", PlainRead, clip)
      ->Unit(benchmark::kMicrosecond)
      ->UseRealTime();
  benchmark::RegisterBenchmark("Ffprobe", Ffprobe, clip)
      ->Unit(benchmark::kMicrosecond)
      ->UseRealTime()
      ->Iterations(3);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
