#include <gtest/gtest.h>

#include "playback/picture_placement.h"
#include "playback/speed_ladder.h"
#include "playback/time_labels.h"

namespace halvo {
namespace {

TEST(SpeedLadder, BothWays) {
  int32_t step = 1;
  std::vector<int32_t> faster;
  for (int i = 0; i < 6; ++i) faster.push_back(step = NextFasterStep(step));
  EXPECT_EQ(faster, (std::vector<int32_t>{2, 4, 8, 16, 32, 1}));
  std::vector<int32_t> slower;
  step = 32;
  for (int i = 0; i < 7; ++i) slower.push_back(step = NextSlowerStep(step));
  EXPECT_EQ(slower, (std::vector<int32_t>{16, 8, 4, 2, 1, 0, 0}));
  EXPECT_EQ(NextFasterStep(0), 1);
}

TEST(SpeedLadder, FastForwardStepsFromTheFrameRateText) {
  EXPECT_EQ(FastForwardFrames(u"30", 2), 6);
  EXPECT_EQ(FastForwardFrames(u"30", 4), 12);
  EXPECT_EQ(FastForwardFrames(u"30", 32), 96);
  EXPECT_EQ(FastForwardFrames(u"", 8), 0);           // before the scan: the picture stands still
  EXPECT_EQ(NextFastForwardFrame(290, 12, 300), 0);  // past the end: from the start
  EXPECT_EQ(NextFastForwardFrame(288, 12, 300), 300);
}

TEST(SpeedLadder, LeadingInteger) {
  EXPECT_EQ(LeadingInteger(u"  -12abc"), -12);
  EXPECT_EQ(LeadingInteger(u"+7"), 7);
  EXPECT_EQ(LeadingInteger(u"x5"), 0);
  EXPECT_EQ(LeadingInteger(u""), 0);
  EXPECT_GT(LeadingInteger(u"99999999999999999999999"), 0);
}

TEST(PicturePlacement, OpeningPlacements) {
  struct Case {
    int w, h;
    PicturePlacement expected;
  };
  for (const Case& c : {Case{1280, 720, {0, 60, 640, 360}}, Case{320, 240, {160, 120, 320, 240}},
                        Case{720, 480, {-40, 0, 720, 480}}, Case{640, 480, {0, 0, 640, 480}}}) {
    EXPECT_EQ(PlacePicture(c.w, c.h, OpeningZoomFactor(c.w)), c.expected) << c.w;
  }
}

TEST(PicturePlacement, ZoomLadders) {
  auto ladder = [](double zoom, int width, int presses) {
    std::vector<double> seen;
    for (int i = 0; i < presses; ++i) seen.push_back(zoom = NextZoomFactor(zoom, width));
    return seen;
  };
  EXPECT_EQ(ladder(0.5, 1280, 4), (std::vector<double>{0.75, 1.0, 0.5, 0.75}));
  EXPECT_EQ(ladder(1.0, 720, 1), (std::vector<double>{0.5}));
  EXPECT_EQ(ladder(1.0, 640, 6), (std::vector<double>{1.25, 1.5, 1.75, 2.0, 0.5, 0.75}));
  EXPECT_EQ(ladder(1.0, 320, 5), (std::vector<double>{1.25, 1.5, 1.75, 2.0, 0.75}));
}

TEST(PicturePlacement, ZoomedPictureGetsCentredPanBars) {
  const PicturePlacement placed = PlacePicture(640, 480, 1.25);
  EXPECT_EQ(placed, (PicturePlacement{-80, -60, 800, 600}));
  EXPECT_EQ(PanBarsFor(placed, 640, 480, 1.25), (PanBars{true, 160, 120, 80, 60}));
}

TEST(PicturePlacement, PanOffsets) {
  EXPECT_EQ(PanOffset(ScrollCode::ThumbTrack, 10, 42, 160), 42);
  EXPECT_EQ(PanOffset(ScrollCode::ThumbPosition, 10, 42, 160), 42);
  EXPECT_EQ(PanOffset(ScrollCode::Top, 10, 42, 160), 0);
  EXPECT_EQ(PanOffset(ScrollCode::Bottom, 10, 42, 160), 160);
  for (auto code : {ScrollCode::LineUp, ScrollCode::LineDown, ScrollCode::PageUp,
                    ScrollCode::PageDown, ScrollCode::EndScroll}) {
    EXPECT_EQ(PanOffset(code, 10, 42, 160), 10);
  }
}

TEST(TimeLabels, OpeningLabels) {
  const OpeningTimeLabels shortClip = OpeningLabels(65 * kTicksPerSecond);
  EXPECT_EQ(shortClip.total, u"/ 01:05");
  EXPECT_EQ(shortClip.elapsed, u"     00:00");
  const OpeningTimeLabels longClip = OpeningLabels(3725 * kTicksPerSecond + 5);
  EXPECT_EQ(longClip.total, u"/01:02:05");
  EXPECT_FALSE(longClip.elapsed);
}

TEST(TimeLabels, ElapsedFollowsTheSeekScale) {
  const int64_t d = 65 * kTicksPerSecond;
  const int32_t pos = *SeekScalePosition(30 * kTicksPerSecond, d);
  EXPECT_EQ(pos, 4615);
  EXPECT_EQ(ElapsedLabel(d, pos, 7), u"   00:29");  // the scale truncates twice
  EXPECT_EQ(ElapsedLabel(d, 0, 7), u"   00:00");
  const int64_t hour = 3725 * kTicksPerSecond;
  EXPECT_EQ(ElapsedLabel(hour, *SeekScalePosition(3665 * kTicksPerSecond, hour), 9), u"01:01:04");
  EXPECT_FALSE(SeekScalePosition(5, 0));
  EXPECT_EQ(MediaPositionOfSeek(5000, 65 * kTicksPerSecond), 325'000'000);
}

}  // namespace
}  // namespace halvo
