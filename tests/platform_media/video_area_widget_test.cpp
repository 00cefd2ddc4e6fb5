#include "playback/video_area_widget.h"

#include <gst/gst.h>
#include <gtest/gtest.h>
#include <QImage>
#include <QTest>

#include <thread>

#include "platform/media/gst_media_graph.h"
#include "platform/media/packed_dib.h"
#include "support/made_clips.h"

namespace halvo {
namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kGreen = 0xFF00C000;

// A solid picture in BGRx.
VideoFrame SolidFrame(uint64_t generation, QRgb colour, int width = 8, int height = 6) {
  const int stride = width * 4;
  auto* bytes = new uint8_t[stride * height];
  for (int i = 0; i < width * height; ++i) {
    bytes[i * 4 + 0] = qBlue(colour);
    bytes[i * 4 + 1] = qGreen(colour);
    bytes[i * 4 + 2] = qRed(colour);
    bytes[i * 4 + 3] = 0xFF;
  }
  return {generation, width, height, stride,
          std::shared_ptr<const uint8_t>(bytes, std::default_delete<uint8_t[]>())};
}

class VideoAreaWidgetTest : public ::testing::Test {
 protected:
  VideoAreaWidgetTest() {
    area_.resize(640, 480);
    area_.show();
  }
  QImage Shot() { return area_.grab().toImage(); }

  VideoAreaWidget area_;
};

TEST_F(VideoAreaWidgetTest, PaintsTheNewestPictureAtThePlacementClippedWithBlackAround) {
  area_.Reset(3);
  area_.SetPlacement(-40, 100, 720, 200);  // wider than the area, as a 720 x 480 clip
  std::thread decoder([&] { area_.PresentFrame(SolidFrame(3, kGreen)); });
  decoder.join();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Shot().pixel(0, 150) == kGreen; }, 5000));
  const QImage shot = Shot();
  EXPECT_EQ(shot.pixel(639, 299), kGreen);
  EXPECT_EQ(shot.pixel(320, 99), kBlack);
  EXPECT_EQ(shot.pixel(320, 300), kBlack);
  EXPECT_EQ(area_.Placement(), QRect(-40, 100, 720, 200));
}

TEST_F(VideoAreaWidgetTest, DropsFramesOfOtherGenerationsAndForgetsThePictureOnReset) {
  area_.Reset(5);
  area_.SetPlacement(0, 0, 640, 480);
  area_.PresentFrame(SolidFrame(4, kGreen));  // from the pipeline just replaced
  EXPECT_FALSE(area_.HasPicture());
  area_.PresentFrame(SolidFrame(5, kGreen));
  EXPECT_TRUE(area_.HasPicture());

  area_.Reset(0);  // clip closed: black, and nothing is accepted
  EXPECT_FALSE(area_.HasPicture());
  area_.PresentFrame(SolidFrame(5, kGreen));
  EXPECT_FALSE(area_.HasPicture());
  EXPECT_EQ(Shot().pixel(320, 240), kBlack);
}

TEST_F(VideoAreaWidgetTest, ShowsTheGraphsPictureAsDecoded) {
  gst_init(nullptr, nullptr);
  const MadeClips clips;
  const std::string clip = clips.Make("moving.avi", {"--frames", "10", "--motion", "0:9"});
  ASSERT_FALSE(clip.empty());
  GstMediaGraph graph(&area_, {.fakeAudio = true});
  area_.SetPlacement(0, 0, 640, 480);
  ASSERT_TRUE(graph.Open(clip).ok());
  const std::vector<uint8_t> dib = graph.CurrentImage().value;
  ASSERT_EQ(dib.size(), size_t{kDibHeaderSize} + 640 * 480 * 4);

  // The area shows the bitmap's pixels; its rows run bottom-up.
  const auto pixelOfDib = [&](int x, int y) {
    const uint8_t* p = dib.data() + kDibHeaderSize + (size_t(479 - y) * 640 + x) * 4;
    return qRgb(p[2], p[1], p[0]);
  };
  ASSERT_TRUE(QTest::qWaitFor([&] { return area_.HasPicture(); }, 5000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return Shot().pixel(5, 5) == pixelOfDib(5, 5); }, 5000));
  const QImage shot = Shot();
  for (int y = 0; y < 480; y += 53) {
    for (int x = 0; x < 640; x += 71)
      ASSERT_EQ(shot.pixel(x, y), pixelOfDib(x, y)) << x << "," << y;
  }

  graph.Close();
  EXPECT_FALSE(area_.HasPicture());
}

}  // namespace
}  // namespace halvo
