#include "controls/progress_slider_model.h"

#include <gtest/gtest.h>

#include "controls/shaded_bands.h"

namespace halvo {
namespace {

TEST(ProgressFillTest, RightEdgeScalesTheInnerWidth) {
  EXPECT_EQ(ProgressFillRight(500, 5000, 10000), 259);
  EXPECT_EQ(ProgressFillRight(500, 10000, 10000), 509);
  EXPECT_EQ(ProgressFillRight(500, 0, 10000), 9);
  EXPECT_EQ(ProgressFillRight(500, 1, 10000), 9);
  EXPECT_EQ(ProgressFillRight(500, 5000, 0), 9);
  EXPECT_EQ(ProgressFillRight(500, 2'000'000'000, 2'000'000'000), 509);
}

TEST(ProgressFillTest, FillStartsAtNineInsideTheGroove) {
  // Channel 8..512 x 8..12: edge 8..512 x 3..17, inner 10..510 x 4..16 (L = 500).
  const ControlRect channel{8, 8, 512, 12};
  const GrooveGeometry groove = GrooveFor(channel);
  EXPECT_EQ(groove.edge, (ControlRect{8, 3, 512, 17}));
  EXPECT_EQ(groove.inner, (ControlRect{10, 4, 510, 16}));
  EXPECT_EQ(ProgressFillRect(channel, 5000, 10000), (ControlRect{9, 4, 259, 16}));
  EXPECT_EQ(ProgressFillRect(channel, 5000, 0), (ControlRect{9, 4, 9, 16}));
}

TEST(ProgressSliderModelTest, SetProgressAnswersThePreviousValue) {
  ProgressSliderModel model;
  EXPECT_EQ(model.SetProgress(10000), 0);
  EXPECT_EQ(model.SetProgress(0), 10000);
  EXPECT_EQ(model.progressValue, 0);
}

TEST(ProgressSliderModelTest, ThumbHoverRectIsWidenedAndNarrowedByTwo) {
  const ControlRect hover = ThumbHoverRect({100, 4, 111, 24});
  struct Case {
    ControlPoint p;
    bool over;
  };
  const Case cases[] = {{{98, 10}, true}, {{112, 10}, true}, {{97, 10}, false}, {{113, 10}, false},
                        {{105, 6}, true}, {{105, 21}, true}, {{105, 5}, false}, {{105, 22}, false}};
  for (const auto& c : cases) EXPECT_EQ(hover.Contains(c.p), c.over) << c.p.x << "," << c.p.y;
}

TEST(ProgressSliderModelTest, ThumbColourFollowsMouseDragAndBlink) {
  ProgressSliderModel model;
  EXPECT_EQ(model.thumbColour, MakeColour(0, 204, 0));
  model.OnTimer();
  EXPECT_EQ(model.thumbColour, MakeColour(204, 204, 204));
  model.OnTimer();
  EXPECT_EQ(model.thumbColour, MakeColour(102, 102, 204));
  model.OnTimer();
  EXPECT_EQ(model.thumbColour, MakeColour(204, 204, 204));
  model.OnMouseMove(true);
  EXPECT_EQ(model.thumbColour, MakeColour(255, 102, 0));
  // A drag paint wins over the colour the mouse move chose.
  model.OnThumbPaint(true);
  EXPECT_EQ(model.thumbColour, MakeColour(153, 102, 204));
  model.OnThumbPaint(false);
  EXPECT_EQ(model.thumbColour, MakeColour(153, 102, 204));
  model.OnMouseMove(false);
  EXPECT_EQ(model.thumbColour, MakeColour(0, 204, 0));
}

TEST(ShadedBandsTest, ProgressBarBandsLightenTowardTheMiddle) {
  const auto bands = ShadedBar(MakeColour(102, 102, 204), 20, {9, 0, 259, 14});
  ASSERT_EQ(bands.size(), 7u);
  const Colour expected[] = {MakeColour(102, 102, 204), MakeColour(122, 122, 224),
                             MakeColour(132, 132, 234), MakeColour(142, 142, 244),
                             MakeColour(152, 152, 254), MakeColour(162, 162, 254),
                             MakeColour(172, 172, 254)};
  for (size_t i = 0; i < bands.size(); ++i) EXPECT_EQ(bands[i].colour, expected[i]) << i;
  EXPECT_EQ(bands[0].rect, (ControlRect{9, 0, 259, 14}));
  EXPECT_EQ(bands[1].rect, (ControlRect{10, 1, 258, 13}));
  EXPECT_EQ(bands[2].rect, (ControlRect{10, 2, 258, 12}));
  EXPECT_EQ(bands[6].rect, (ControlRect{10, 6, 258, 8}));
}

TEST(ShadedBandsTest, ChannelLimitsOfFirstStepAndSeries) {
  // 235 + 20 reaches 255 in the first step; 246 never lightens in the series.
  const auto bar = ShadedBar(MakeColour(235, 234, 0), 20, {0, 0, 10, 4});
  ASSERT_EQ(bar.size(), 2u);
  EXPECT_EQ(bar[1].colour, MakeColour(255, 254, 20));
  const auto series = BandSeries(MakeColour(246, 245, 0), {0, 0, 10, 6}, false);
  ASSERT_EQ(series.size(), 3u);
  EXPECT_EQ(series[1].colour, MakeColour(246, 255, 10));
  EXPECT_EQ(series[2].colour, MakeColour(246, 255, 20));
}

TEST(ShadedBandsTest, BlockShrinksAllSidesOnlyOnce) {
  const auto bands = ShadedBlock(MakeColour(0, 204, 0), {100, 4, 111, 24});
  ASSERT_EQ(bands.size(), 10u);
  EXPECT_EQ(bands[1].rect, (ControlRect{101, 5, 110, 23}));
  EXPECT_EQ(bands[2].rect, (ControlRect{101, 6, 110, 22}));
  EXPECT_EQ(bands[9].colour, MakeColour(90, 254, 90));
  // An empty rectangle still gives its one outer band, which paints nothing.
  EXPECT_EQ(ShadedBar(0, 20, {9, 0, 9, 12}).size(), 1u);
}

}  // namespace
}  // namespace halvo
