#include "recorder_config/recording_estimate.h"

#include <gtest/gtest.h>

#include <sstream>

namespace halvo {
namespace {

TEST(EstimateRecordingTime, Examples) {
  struct Case {
    uint64_t freeKilobytes;
    const char* resolution;
    int minutes, seconds;
    int64_t totalSeconds;
    std::u16string text;
  };
  const Case cases[] = {
      {EstimateFreeKilobytes(false, 1000), "640x480", 0, 30, 853320, u"09 / 21 / 02"},
      {EstimateFreeKilobytes(true, 5), "1280x960", 10, 0, 1536000, u"17 / 18 / 40"},
      {EstimateFreeKilobytes(true, std::nullopt), "640x480", 0, 1, 8533, u"00 / 02 / 22"},
      {EstimateFreeKilobytes(false, std::nullopt), "640x480", 0, 30, 0, u"00 / 00 / 00"},
      {EstimateFreeKilobytes(false, 15), "1360x1020", 0, 1, 1024, u"00 / 00 / 17"},
      // 100 GiB at ten minutes a frame goes past 32-bit seconds without wrapping.
      {EstimateFreeKilobytes(false, 102400), "320x240", 10, 0, 4194303600, u"48545 / 04 / 20"},
  };
  for (const Case& c : cases) {
    std::ostringstream diagnostics;
    const RecordingEstimate estimate =
        EstimateRecordingTime(c.resolution, c.minutes, c.seconds, c.freeKilobytes, diagnostics);
    EXPECT_EQ(estimate.totalSeconds, c.totalSeconds) << c.resolution;
    EXPECT_EQ(EstimateText(estimate), c.text) << c.resolution;
    EXPECT_EQ(diagnostics.str(), "TotalSec = " + std::to_string(c.totalSeconds) + "\n");
  }
}

TEST(EstimateRecordingTime, SplitsIntoDaysHoursMinutesSeconds) {
  std::ostringstream ignored;
  const RecordingEstimate estimate = EstimateRecordingTime("640x480", 0, 30, 1024000, ignored);
  EXPECT_EQ(estimate.days, 9);
  EXPECT_EQ(estimate.hours, 21);
  EXPECT_EQ(estimate.minutes, 2);
  EXPECT_EQ(estimate.seconds, 0);
  EXPECT_EQ(estimate.days * 24 + estimate.hours, 237);
}

}  // namespace
}  // namespace halvo
