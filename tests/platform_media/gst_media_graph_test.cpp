#include "platform/media/gst_media_graph.h"

#include <gst/gst.h>
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <thread>

#include "platform/media/gst_decoder_check.h"
#include "platform/media/packed_dib.h"
#include "platform_media/recording_frame_sink.h"
#include "support/made_clips.h"

namespace halvo {
namespace {

using namespace std::chrono_literals;

// Polls a condition until it holds or the deadline passes.
template <typename Condition>
bool WaitFor(Condition condition, std::chrono::milliseconds limit = 5s) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(2ms);
  }
  return true;
}

uint32_t Le32(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | uint32_t{bytes[at + 3]} << 24;
}

class GstMediaGraphTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    gst_init(nullptr, nullptr);
    clips_ = new MadeClips;
    // 2 s at 30 fps with sound; the object moves throughout, so every frame differs.
    moving_ = clips_->Make("moving.avi", {"--frames", "60", "--motion", "0:59", "--audio"});
    mpeg4_ = clips_->Make("mpeg4.avi",
                          {"--frames", "45", "--rate", "15", "--width", "352", "--height", "288",
                           "--kind", "mpeg4", "--motion", "0:44", "--keyframe-every", "10"});
  }
  static void TearDownTestSuite() { delete clips_; }

  void SetUp() override { ASSERT_FALSE(moving_.empty()) << "clip maker failed"; }

  // Seeks (in the current format) and waits for the picture there.
  void SeekAndSettle(int64_t position) {
    const int seen = sink_.count();
    ASSERT_TRUE(graph_.SeekTo(position).ok());
    ASSERT_TRUE(sink_.WaitForFrameAfter(seen));
  }

  std::vector<uint8_t> Image() {
    const MediaValue<std::vector<uint8_t>> image = graph_.CurrentImage();
    EXPECT_TRUE(image.ok()) << std::hex << image.code;
    return image.value;
  }

  int64_t Position() {
    const MediaValue<int64_t> position = graph_.CurrentPosition();
    EXPECT_TRUE(position.ok()) << std::hex << position.code;
    return position.value;
  }

  static inline MadeClips* clips_ = nullptr;
  static inline std::string moving_;
  static inline std::string mpeg4_;
  RecordingFrameSink sink_;
  GstMediaGraph graph_{&sink_, GstMediaGraphOptions{.fakeAudio = true}};
};

TEST_F(GstMediaGraphTest, OpensStoppedAtTheStartWithTheFirstPictureDelivered) {
  ASSERT_TRUE(graph_.Open(moving_).ok());
  EXPECT_TRUE(graph_.IsOpen());
  EXPECT_EQ(sink_.resets(), std::vector<uint64_t>{graph_.Generation()});
  ASSERT_TRUE(sink_.WaitForFrameAfter(0));
  const VideoFrame frame = sink_.newest();
  EXPECT_EQ(frame.generation, graph_.Generation());
  EXPECT_EQ(frame.width, 640);
  EXPECT_EQ(frame.height, 480);
  EXPECT_GE(frame.stride, 640 * 4);
  EXPECT_EQ(Position(), 0);
  EXPECT_EQ(graph_.WaitForCompletion(30s), Completion::kNotRunning);
}

struct ClipFacts {
  const std::string* path;
  int width, height;
  int64_t mediaTime, frames;
};

TEST_F(GstMediaGraphTest, ReportsDurationAndPictureSizeInBothFormats) {
  for (const ClipFacts& clip : {ClipFacts{&moving_, 640, 480, 20'000'000, 60},
                                ClipFacts{&mpeg4_, 352, 288, 30'000'000, 45}}) {
    SCOPED_TRACE(*clip.path);
    graph_.Open(*clip.path);
    const MediaValue<PictureSize> size = graph_.VideoSize();
    ASSERT_TRUE(size.ok());
    EXPECT_EQ(size.value.width, clip.width);
    EXPECT_EQ(size.value.height, clip.height);
    EXPECT_EQ(graph_.Duration().value, clip.mediaTime);
    ASSERT_TRUE(graph_.SetTimeFormat(TimeFormat::kFrame).ok());
    EXPECT_EQ(graph_.Duration().value, clip.frames);
    ASSERT_TRUE(graph_.SetTimeFormat(TimeFormat::kMediaTime).ok());
    EXPECT_EQ(graph_.Duration().value, clip.mediaTime);
  }
}

TEST_F(GstMediaGraphTest, CurrentImageIsAPackedBitmapOfThePicture) {
  graph_.Open(moving_);
  const std::vector<uint8_t> dib = Image();
  ASSERT_EQ(dib.size(), size_t{kDibHeaderSize} + 640 * 480 * 4);
  EXPECT_EQ(Le32(dib, 0), 40u);
  EXPECT_EQ(Le32(dib, 4), 640u);
  EXPECT_EQ(Le32(dib, 8), 480u);  // positive: rows bottom-up
  EXPECT_EQ(dib[14], 32);
  EXPECT_EQ(Le32(dib, 16), 0u);
  EXPECT_EQ(Le32(dib, 20), 640u * 480 * 4);
  // The last row of the bitmap is the top row of the frame handed to the sink.
  const VideoFrame frame = sink_.newest();
  const uint8_t* top = frame.pixels.get();
  const uint8_t* lastRow = dib.data() + kDibHeaderSize + size_t{479} * 640 * 4;
  for (int x = 0; x < 640; x += 37) {
    for (int c = 0; c < 3; ++c) EXPECT_EQ(lastRow[x * 4 + c], top[x * 4 + c]);
  }
}

TEST_F(GstMediaGraphTest, SeekAndStepMoveThePausedPictureFrameByFrame) {
  for (const std::string* clip : {&moving_, &mpeg4_}) {
    SCOPED_TRACE(*clip);
    graph_.Open(*clip);
    const std::vector<uint8_t> first = Image();
    ASSERT_TRUE(graph_.SetTimeFormat(TimeFormat::kFrame).ok());

    // The picture after stepping from 20 is the one a seek to 21 shows, and so on.
    std::vector<std::vector<uint8_t>> sought;
    for (int64_t frame : {20, 21, 22}) {
      SeekAndSettle(frame);
      EXPECT_EQ(Position(), frame);
      sought.push_back(Image());
    }
    EXPECT_NE(sought[0], first);
    EXPECT_NE(sought[1], sought[0]);

    SeekAndSettle(20);
    for (int64_t frame : {21, 22}) {
      const int seen = sink_.count();
      ASSERT_TRUE(graph_.StepOneFrame().ok());
      ASSERT_TRUE(sink_.WaitForFrameAfter(seen));
      EXPECT_EQ(Position(), frame);
      EXPECT_EQ(Image(), sought[frame - 20]) << "frame " << frame;
    }
  }
}

TEST_F(GstMediaGraphTest, StopSequenceEndsStoppedAtTheFirstPicture) {
  graph_.Open(moving_);
  const std::vector<uint8_t> first = Image();
  ASSERT_TRUE(graph_.Run().ok());
  ASSERT_TRUE(WaitFor([&] { return Position() > 3'000'000; }));

  // The player's Stop: stop, seek to 0, run, pause, seek to 0 again (the moment of
  // running may have shown a later frame), stop when ready: frame 0, position 0.
  ASSERT_TRUE(graph_.Stop().ok());
  ASSERT_TRUE(graph_.SeekTo(0).ok());
  ASSERT_TRUE(graph_.Run().ok());
  ASSERT_TRUE(graph_.Pause().ok());
  ASSERT_TRUE(graph_.SeekTo(0).ok());
  ASSERT_TRUE(graph_.StopWhenReady().ok());
  ASSERT_TRUE(graph_.SetTimeFormat(TimeFormat::kFrame).ok());
  EXPECT_EQ(Position(), 0);
  EXPECT_EQ(Image(), first);
  EXPECT_EQ(graph_.WaitForCompletion(30s), Completion::kNotRunning);
}

TEST_F(GstMediaGraphTest, HalfRatePlaysAtHalfTheClockSpeed) {
  graph_.Open(moving_);
  ASSERT_TRUE(graph_.SetRate(0.5).ok());
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(graph_.Run().ok());
  ASSERT_TRUE(WaitFor([&] { return Position() >= 4'000'000; }));  // 0.4 s of media
  const double wall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  // 0.4 s of media at half speed takes 0.8 s (1.0 would take 0.4 s).
  EXPECT_GT(wall, 0.7);
}

TEST_F(GstMediaGraphTest, EndOfStreamIsReportedWhileRunningAndNeverAwaitedWhilePaused) {
  graph_.Open(moving_);
  ASSERT_TRUE(graph_.SetTimeFormat(TimeFormat::kFrame).ok());

  // Paused past the end (as fast-forward stepping can leave it): answered at once.
  ASSERT_TRUE(graph_.SeekTo(70).ok());
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(graph_.WaitForCompletion(30s), Completion::kNotRunning);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);

  // Running from there the end comes, and is then answered at once.
  ASSERT_TRUE(graph_.Run().ok());
  EXPECT_EQ(graph_.WaitForCompletion(5s), Completion::kCompleted);
  ASSERT_TRUE(graph_.Pause().ok());
  EXPECT_EQ(graph_.WaitForCompletion(30s), Completion::kCompleted);

  // Playing the last frames to the end.
  SeekAndSettle(55);
  ASSERT_TRUE(graph_.Run().ok());
  EXPECT_EQ(graph_.WaitForCompletion(5s), Completion::kCompleted);
  const std::vector<MediaEvent> events = graph_.PollEvents();
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back().kind, MediaEvent::Kind::kEndOfStream);
  EXPECT_EQ(events.back().generation, graph_.Generation());

  // A running graph that does not reach its end within the limit gives up.
  SeekAndSettle(0);
  ASSERT_TRUE(graph_.Run().ok());
  EXPECT_EQ(graph_.WaitForCompletion(50ms), Completion::kTimedOut);
}

TEST_F(GstMediaGraphTest, FileThatIsNoVideoFailsTheDurationWithACode) {
  const std::string text = clips_->PathOf("notes.avi");
  std::ofstream(text) << "not a clip at all\n";
  for (const std::string& path : {text, clips_->PathOf("missing.avi")}) {
    SCOPED_TRACE(path);
    EXPECT_TRUE(graph_.Open(path).ok());  // only the fixed elements count here
    EXPECT_TRUE(graph_.IsOpen());
    const MediaValue<int64_t> duration = graph_.Duration();
    EXPECT_FALSE(duration.ok());
    EXPECT_EQ(duration.code & 0xFFF00000u, 0x80000000u) << std::hex << duration.code;
    EXPECT_FALSE(graph_.VideoSize().ok());
    EXPECT_NE(graph_.WaitForCompletion(30s), Completion::kTimedOut);
    const std::vector<MediaEvent> events = graph_.PollEvents();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front().kind, MediaEvent::Kind::kError);
    EXPECT_EQ(events.front().code, duration.code);
  }
  // The graph goes on with a good clip.
  graph_.Open(moving_);
  EXPECT_TRUE(graph_.Duration().ok());
}

TEST_F(GstMediaGraphTest, MessagesOfAReplacedPipelineAreDropped) {
  graph_.Open(moving_);
  const uint64_t first = graph_.Generation();
  ASSERT_TRUE(graph_.SetTimeFormat(TimeFormat::kFrame).ok());
  SeekAndSettle(58);
  ASSERT_TRUE(graph_.Run().ok());
  ASSERT_EQ(graph_.WaitForCompletion(5s), Completion::kCompleted);  // its end is queued

  graph_.Open(mpeg4_);
  EXPECT_GT(graph_.Generation(), first);
  EXPECT_TRUE(graph_.PollEvents().empty());
  EXPECT_EQ(graph_.WaitForCompletion(30s), Completion::kNotRunning);
  EXPECT_EQ(sink_.newest().generation, graph_.Generation());
  EXPECT_EQ(sink_.resets(), (std::vector<uint64_t>{first, 0, graph_.Generation()}));

  graph_.Close();
  EXPECT_FALSE(graph_.IsOpen());
  EXPECT_EQ(sink_.resets().back(), 0u);
  EXPECT_EQ(graph_.Duration().code, kMediaNotOpen);
  EXPECT_EQ(graph_.Run().code, kMediaNotOpen);
}

TEST(GstDecoderCheckTest, FindsTheInstalledDecoders) {
  gst_init(nullptr, nullptr);
  EXPECT_EQ(CheckDecoders(), std::nullopt);
}

}  // namespace
}  // namespace halvo
