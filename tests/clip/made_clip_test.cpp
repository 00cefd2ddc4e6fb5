// Clips from the clip maker: GStreamer plays them and the scanner reads them.
#include <gst/gst.h>
#include <gtest/gtest.h>

#include <memory>

#include "clip/clip_bytes.h"
#include "clip/clip_scanner.h"
#include "support/made_clips.h"

namespace halvo {
namespace {

struct Played {
  bool ended = false;  // end of stream, no error
  int videoFrames = 0;
};

void CountFrame(GstElement*, GstBuffer*, GstPad*, gpointer frames) { ++*static_cast<int*>(frames); }

// Plays the clip through playbin as fast as it decodes, video and audio into fakesinks.
Played PlayToEnd(const std::string& path) {
  Played played;
  GstElement* playbin = gst_element_factory_make("playbin", nullptr);
  GstElement* video = gst_element_factory_make("fakesink", nullptr);
  GstElement* audio = gst_element_factory_make("fakesink", nullptr);
  g_object_set(video, "sync", FALSE, "signal-handoffs", TRUE, nullptr);
  g_object_set(audio, "sync", FALSE, nullptr);
  g_signal_connect(video, "handoff", G_CALLBACK(CountFrame), &played.videoFrames);
  gchar* uri = gst_filename_to_uri(path.c_str(), nullptr);
  g_object_set(playbin, "uri", uri, "video-sink", video, "audio-sink", audio, nullptr);
  g_free(uri);
  gst_element_set_state(playbin, GST_STATE_PLAYING);
  GstBus* bus = gst_element_get_bus(playbin);
  GstMessage* message = gst_bus_timed_pop_filtered(
      bus, 60 * GST_SECOND, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
  if (message) {
    played.ended = GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS;
    gst_message_unref(message);
  }
  gst_object_unref(bus);
  gst_element_set_state(playbin, GST_STATE_NULL);
  gst_object_unref(playbin);
  return played;
}

class MadeClip : public testing::Test {
 protected:
  static void SetUpTestSuite() { gst_init(nullptr, nullptr); }
  std::unique_ptr<FrameIndex> index_ = std::make_unique<FrameIndex>();
  MadeClips clips_;
};

TEST_F(MadeClip, MotionJpegPlaysAndScansFramePerFrame) {
  const std::string path = clips_.Make("mjpeg.avi", {"--frames", "60", "--width", "320", "--height",
                                                     "240", "--audio", "--motion", "20:39"});
  ASSERT_FALSE(path.empty());

  const Played played = PlayToEnd(path);
  EXPECT_TRUE(played.ended);
  EXPECT_EQ(played.videoFrames, 60);

  ClipInfo info;
  ASSERT_TRUE(ProbeIndexKind(path, info));
  EXPECT_FALSE(info.keyframeIndex);
  const ScanResult result = ScanClip(path, info.keyframeIndex, *index_);
  EXPECT_EQ(result.frameRateText, u"30");
  EXPECT_EQ(result.recordDatePane, u"2012.06.22");
  EXPECT_TRUE(result.messages.empty());
  ASSERT_EQ(result.entries, 60);
  // Still frames share one size; frames with the moving object are far larger.
  EXPECT_EQ(index_->Get(0), index_->Get(19));
  EXPECT_EQ(index_->Get(0), index_->Get(59));
  for (int f = 20; f < 40; ++f) EXPECT_GT(index_->Get(f) - index_->Get(0), 1000) << f;
}

TEST_F(MadeClip, Mpeg4PlaysAndScansKeyFrames) {
  const std::string path = clips_.Make(
      "mpeg4.avi", {"--kind", "mpeg4", "--frames", "90", "--keyframe-every", "30", "--scale", "1001",
                    "--rate", "30000", "--audio", "--record-name", "CAM\\2013_01_05_0800"});
  ASSERT_FALSE(path.empty());

  const Played played = PlayToEnd(path);
  EXPECT_TRUE(played.ended);
  EXPECT_EQ(played.videoFrames, 90);

  ClipInfo info;
  ASSERT_TRUE(ProbeIndexKind(path, info));
  EXPECT_TRUE(info.keyframeIndex);
  const ScanResult result = ScanClip(path, info.keyframeIndex, *index_);
  EXPECT_EQ(result.frameRateText, u"29");
  EXPECT_EQ(result.recordDateText, u"2013.01.05.0800" + std::u16string(9, u'\0'));
  EXPECT_EQ(result.entries, 3);
}

TEST_F(MadeClip, LayoutOptionsReachTheScanner) {
  struct Case {
    std::vector<std::string> options;
    std::vector<ScanMessage> messages;
    std::u16string recordDatePane;
    int entries;
  };
  const Case cases[] = {
      {{"--movi-at", "1024"},
       {{std::u16string(kMoviAtLimitText), PromptIcon::None}},
       u"2012.06.22",
       5},
      {{"--movi-at", "1023"}, {}, u"2012.06.22", 5},
      {{"--extra-markers", "--record-name", "2001_02_03"}, {}, u"2001.02.03", 5},
      {{"--no-record-name"}, {}, u"made.avi", 5},
      {{"--truncate", "1"}, {}, u"2012.06.22", 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.options));
    std::vector<std::string> options{"--frames", "5", "--width", "64", "--height", "48"};
    options.insert(options.end(), c.options.begin(), c.options.end());
    const std::string path = clips_.Make("made.avi", options);
    ASSERT_FALSE(path.empty());
    const ScanResult result = ScanClip(path, false, *index_);
    EXPECT_EQ(result.messages, c.messages);
    EXPECT_EQ(result.recordDatePane, c.recordDatePane);
    EXPECT_EQ(result.entries, c.entries);
  }
}

}  // namespace
}  // namespace halvo
