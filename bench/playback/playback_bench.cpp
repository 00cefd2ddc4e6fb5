// Playback latencies of the media graph on a 640 x 480 Motion JPEG clip, against a bare playbin
// in the same run: open to first picture (goal: within 1.3 times the bare preroll), frame step
// and seek (goal: under one frame period, 33 ms). Prints medians of several runs.
#include <gst/gst.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/media/gst_media_graph.h"

extern char** environ;

namespace halvo {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr int kOpenRuns = 25;
constexpr int kLatencyRuns = 40;
constexpr int kClipFrames = 300;

// Counts the pictures that reach the video area.
class CountingSink : public FrameSink {
 public:
  void Reset(uint64_t) override {}
  void PresentFrame(VideoFrame) override {
    {
      std::lock_guard lock(mutex_);
      ++count_;
    }
    arrived_.notify_all();
  }
  int count() {
    std::lock_guard lock(mutex_);
    return count_;
  }
  bool WaitAfter(int seen) {
    std::unique_lock lock(mutex_);
    return arrived_.wait_for(lock, std::chrono::seconds(5), [&] { return count_ > seen; });
  }

 private:
  std::mutex mutex_;
  std::condition_variable arrived_;
  int count_ = 0;
};

double Milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

bool MakeClip(const std::string& path) {
  std::vector<std::string> args{HALVO_CLIP_MAKER, path,
                                "--frames",       std::to_string(kClipFrames),
                                "--motion",       "0:" + std::to_string(kClipFrames - 1),
                                "--audio"};
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  int status = 0;
  return posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) == 0 &&
         waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double OurOpenToFirstPicture(const std::string& path) {
  CountingSink sink;
  GstMediaGraph graph(&sink, {.fakeAudio = true});
  const auto start = Clock::now();
  graph.Open(path);
  sink.WaitAfter(0);
  return Milliseconds(Clock::now() - start);
}

// The peer: playbin with fake sinks, from creation to the end of its preroll; with its default
// flags or with the graph's own (video and audio only).
double BarePlaybinPreroll(const std::string& uri, bool sameFlags) {
  const auto start = Clock::now();
  GstElement* playbin = gst_element_factory_make("playbin", nullptr);
  if (sameFlags) g_object_set(playbin, "flags", 0x3, nullptr);
  g_object_set(playbin, "uri", uri.c_str(), "video-sink",
               gst_element_factory_make("fakesink", nullptr), "audio-sink",
               gst_element_factory_make("fakesink", nullptr), nullptr);
  gst_element_set_state(playbin, GST_STATE_PAUSED);
  gst_element_get_state(playbin, nullptr, nullptr, 5 * GST_SECOND);
  const double elapsed = Milliseconds(Clock::now() - start);
  gst_element_set_state(playbin, GST_STATE_NULL);
  gst_object_unref(playbin);
  return elapsed;
}

// Time from the request until the picture it asks for reaches the sink.
std::vector<double> PictureLatencies(CountingSink& sink, const std::function<void(int)>& request) {
  std::vector<double> latencies;
  for (int i = 0; i < kLatencyRuns; ++i) {
    const int seen = sink.count();
    const auto start = Clock::now();
    request(i);
    if (!sink.WaitAfter(seen)) std::fprintf(stderr, "no picture after request %d\n", i);
    latencies.push_back(Milliseconds(Clock::now() - start));
  }
  return latencies;
}

int Run(const std::string& clip) {
  gchar* uri = gst_filename_to_uri(clip.c_str(), nullptr);
  std::vector<double> ours, peer, peerSameFlags;
  OurOpenToFirstPicture(clip);  // warm the registry and the page cache for both
  for (int i = 0; i < kOpenRuns; ++i) {
    ours.push_back(OurOpenToFirstPicture(clip));
    peer.push_back(BarePlaybinPreroll(uri, false));
    peerSameFlags.push_back(BarePlaybinPreroll(uri, true));
  }
  g_free(uri);

  CountingSink sink;
  GstMediaGraph graph(&sink, {.fakeAudio = true});
  graph.Open(clip);
  graph.SetTimeFormat(TimeFormat::kFrame);
  const std::vector<double> steps = PictureLatencies(sink, [&](int) { graph.StepOneFrame(); });
  const std::vector<double> seeks =
      PictureLatencies(sink, [&](int i) { graph.SeekTo((i * 37 + 11) % kClipFrames); });

  const double open = Median(ours), bare = Median(peer), same = Median(peerSameFlags);
  std::printf("clip: %s (640x480 Motion JPEG, %d frames, 30 fps, PCM sound)\n", clip.c_str(),
              kClipFrames);
  std::printf(
      "open to first picture: median %.2f ms, bare playbin preroll %.2f ms, "
      "ratio %.2f (goal <= 1.30), %d runs each\n",
      open, bare, open / bare, kOpenRuns);
  std::printf("  against playbin with the same flags (video, audio): %.2f ms, ratio %.2f\n", same,
              open / same);
  std::printf("frame step: median %.2f ms (goal < 33), %d steps\n", Median(steps), kLatencyRuns);
  std::printf("seek while paused: median %.2f ms (goal < 33), %d seeks\n", Median(seeks),
              kLatencyRuns);
  return 0;
}

}  // namespace
}  // namespace halvo

int main(int argc, char** argv) {
  gst_init(&argc, &argv);
  if (argc > 1) return halvo::Run(argv[1]);
  std::string folder = (std::filesystem::temp_directory_path() / "halvo-bench-XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr) return 1;
  const std::string clip = folder + "/bench640.avi";
  const int result = halvo::MakeClip(clip) ? halvo::Run(clip) : 1;
  std::filesystem::remove_all(folder);
  return result;
}
