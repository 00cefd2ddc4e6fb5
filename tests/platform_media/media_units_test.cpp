#include "platform/media/media_units.h"

#include <gtest/gtest.h>

namespace halvo {
namespace {

TEST(MediaUnitsTest, MediaTimeCountsHundredNanoseconds) {
  EXPECT_EQ(MediaTimeFromNanoseconds(2'000'000'000), 20'000'000);
  EXPECT_EQ(NanosecondsFromMediaTime(kMediaTimePerSecond), 1'000'000'000);
}

TEST(MediaUnitsTest, FramesRoundTripThroughTruncatedTimestamps) {
  for (const FrameRate rate : {FrameRate{30, 1}, FrameRate{30000, 1001}, FrameRate{15, 1},
                               FrameRate{25, 1}, FrameRate{7, 3}}) {
    for (int64_t frame :
         {int64_t{0}, int64_t{1}, int64_t{29}, int64_t{99'999}, int64_t{3'600'000}}) {
      const int64_t ns = NanosecondsFromFrame(frame, rate);
      EXPECT_EQ(FrameFromNanoseconds(ns, rate), frame) << rate.numerator << "/" << frame;
    }
  }
  EXPECT_EQ(NanosecondsFromFrame(1, {30, 1}), 33'333'333);  // truncated like the demuxer
  EXPECT_EQ(NanosecondsFromFrame(-2, {30, 1}), -66'666'666);
}

TEST(MediaUnitsTest, PositionsBetweenFramesGoToTheNearestStart) {
  const FrameRate rate{30, 1};
  EXPECT_EQ(FrameFromNanoseconds(33'333'333 + 10'000'000, rate), 1);
  EXPECT_EQ(FrameFromNanoseconds(33'333'333 + 20'000'000, rate), 2);
  EXPECT_EQ(FrameFromNanoseconds(2'000'000'000, rate), 60);  // a 60-frame clip's duration
  EXPECT_EQ(FrameFromNanoseconds(3'725LL * 1'000'000'000, rate), 111'750);
}

}  // namespace
}  // namespace halvo
