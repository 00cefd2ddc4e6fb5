#include "language/status_panes.h"

#include <gtest/gtest.h>

namespace halvo {
namespace {

using Panes = std::array<std::optional<std::u16string>, 6>;

TEST(StatusPanes, BeforeAnyClip) {
  const Panes panes = RefreshStatusPanes(PlayerTextsFor(LanguageId::English).labels, {});
  const Panes expected{u"File name", u"Speed:1 x",   u"Zoom:50 %", u"Resolution:640 x 480",
                       u"FPS:",      u"Record date:"};
  EXPECT_EQ(panes, expected);
}

TEST(StatusPanes, JapaneseWithEmptyPlaylistAndAFrameRate) {
  StatusPaneState state;
  state.frameRateText = u"30";
  const Panes panes = RefreshStatusPanes(PlayerTextsFor(LanguageId::Japanese).labels, state);
  EXPECT_EQ(panes[0], u"ファイル名");
  EXPECT_EQ(panes[4], u"フレーム数:30");  // the bare number, no " fps"
}

TEST(StatusPanes, ClipOpenAtHalfSpeed) {
  StatusPaneState state;
  state.playListEmpty = false;
  state.speedStep = 0;
  state.zoomFactor = 0.75;
  state.videoWidth = 1280;
  state.videoHeight = 720;
  state.recordDateText = u"2024.05.01.12.30.00";
  const Panes panes = RefreshStatusPanes(PlayerTextsFor(LanguageId::Korean).labels, state);
  EXPECT_EQ(panes[0], std::nullopt);  // keeps the clip's name
  EXPECT_EQ(panes[1], u"속도:0.5 x");
  EXPECT_EQ(panes[2], u"확대:75 %");
  EXPECT_EQ(panes[3], u"해상도:1280 x 720");
  EXPECT_EQ(panes[5], u"날짜/시간:2024.05.01");
}

TEST(StatusPanes, ValueTexts) {
  EXPECT_EQ(SpeedText(1), u"1 x");
  EXPECT_EQ(SpeedText(32), u"32 x");
  EXPECT_EQ(ZoomText(0.5), u"50 %");
  EXPECT_EQ(ZoomText(1.25), u"125 %");
  EXPECT_EQ(ZoomText(2.0), u"200 %");
  EXPECT_EQ(ZoomText(0.999), u"99 %");  // truncated, not rounded
}

TEST(StatusPanes, RecordDateShowsTenCharactersUpToTheFirstNul) {
  using namespace std::string_view_literals;
  EXPECT_EQ(RecordDateShown(u"2024.05.01.12"), u"2024.05.01");
  EXPECT_EQ(RecordDateShown(u"2024.05"), u"2024.05");
  EXPECT_EQ(RecordDateShown(u"2024\0.05.01"sv), u"2024");
  EXPECT_EQ(RecordDateShown(u"2024.05.01\0xx"sv), u"2024.05.01");
  EXPECT_EQ(RecordDateShown(u""), u"");
}

}  // namespace
}  // namespace halvo
