#include "controls/button_look.h"

#include <gtest/gtest.h>

#include "controls/button_layout.h"

namespace halvo {
namespace {

ButtonColours WithHover(Colour hover) {
  ButtonColours colours = ButtonColours::FromSystem(MakeColour(240, 240, 240), 0);
  colours.hoverBackground = hover;
  return colours;
}

TEST(ShiftHoverBackgroundTest, ShiftsByOneCommonAmountWithinRange) {
  struct Case {
    Colour before;
    int offset;
    int answer;
    Colour after;
  };
  const Case cases[] = {
      {MakeColour(240, 240, 240), -1, kShiftAccepted, MakeColour(239, 239, 239)},
      {MakeColour(30, 100, 200), -50, kShiftAccepted, MakeColour(0, 70, 170)},
      {MakeColour(0, 100, 200), -20, kShiftAccepted, MakeColour(0, 100, 200)},
      {MakeColour(240, 240, 240), -255, kShiftAccepted, MakeColour(0, 0, 0)},
      {MakeColour(240, 240, 240), -256, kShiftRejected, MakeColour(240, 240, 240)},
      {MakeColour(240, 240, 240), 256, kShiftRejected, MakeColour(240, 240, 240)},
      // Lightening stops at the lightest channel instead of carrying into the next one.
      {MakeColour(10, 20, 250), 30, kShiftAccepted, MakeColour(15, 25, 255)},
      {MakeColour(10, 20, 30), 5, kShiftAccepted, MakeColour(15, 25, 35)},
  };
  for (const auto& c : cases) {
    ButtonColours colours = WithHover(c.before);
    EXPECT_EQ(ShiftHoverBackground(colours, static_cast<std::int16_t>(c.offset)), c.answer)
        << c.offset;
    EXPECT_EQ(colours.hoverBackground, c.after)
        << std::hex << c.before << " " << std::dec << c.offset;
    EXPECT_EQ(colours.idleBackground, MakeColour(240, 240, 240));
  }
}

TEST(ButtonLookTest, FaceEdgeAndIconFollowHoverPressAndFocus) {
  ButtonColours colours{1, 2, 3, 4, 5, 6};
  EXPECT_EQ(FaceColour(colours, {}), 3u);
  EXPECT_EQ(FaceColour(colours, {.focused = true}), 5u);
  EXPECT_EQ(FaceColour(colours, {.hovering = true, .focused = true}), 1u);
  EXPECT_EQ(FaceColour(colours, {.pressed = true}), 1u);
  EXPECT_EQ(CaptionColour(colours, {.focused = true}), 6u);
  EXPECT_EQ(CaptionColour(colours, {.pressed = true}), 2u);
  EXPECT_EQ(EdgeFor({}), ButtonEdge::None);
  EXPECT_EQ(EdgeFor({.hovering = true}), ButtonEdge::Raised);
  EXPECT_EQ(EdgeFor({.hovering = true, .pressed = true}), ButtonEdge::Sunken);
  EXPECT_EQ(IconSlotFor({}, true), 1);
  EXPECT_EQ(IconSlotFor({}, false), 0);
  EXPECT_EQ(IconSlotFor({.hovering = true}, true), 0);
  EXPECT_EQ(IconSlotFor({.pressed = true}, true), 0);
}

TEST(ButtonLayoutTest, RecordedSizeIsTwiceTheHotSpot) {
  EXPECT_EQ(RecordIconSize(23, 23), (RecordedSize{22, 22}));
  EXPECT_EQ(RecordIconSize(32, 21), (RecordedSize{32, 20}));
  EXPECT_EQ(RecordIconSize(1, 1), (RecordedSize{0, 0}));
}

TEST(ButtonLayoutTest, IconIsCentredWithTruncatingDivisions) {
  // A 32-pixel icon in a 27 x 27 button starts 2 pixels left of the edge.
  IconLayout big = PlaceIcon({.item = {0, 0, 27, 27}, .icon = {32, 32}});
  EXPECT_EQ(big.iconTopLeft, (ControlPoint{-2, -2}));
  // 22 x 22 in 27 x 24: (5 / 2, 2 / 2); pressing moves it by (1, 1).
  IconLayout odd = PlaceIcon({.item = {0, 0, 27, 24}, .icon = {22, 22}});
  EXPECT_EQ(odd.iconTopLeft, (ControlPoint{2, 1}));
  IconLayout pressed = PlaceIcon({.item = {0, 0, 27, 24}, .icon = {22, 22}, .pressed = true});
  EXPECT_EQ(pressed.iconTopLeft, (ControlPoint{3, 2}));
  EXPECT_EQ(pressed.caption, (ControlRect{0, 0, 27, 24}));
}

TEST(ButtonLayoutTest, CaptionFollowsTheIconAfterTheMargin) {
  IconLayout layout = PlaceIcon({.item = {0, 0, 40, 27}, .icon = {16, 16}, .hasCaption = true});
  EXPECT_EQ(layout.iconTopLeft, (ControlPoint{3, 5}));
  EXPECT_EQ(layout.caption, (ControlRect{19, 0, 40, 27}));
  EXPECT_EQ(CentreCaption({19, 0, 40, 27}, 10, 12), (ControlRect{24, 7, 34, 19}));
  // Text wider than the area centres to a negative truncated offset.
  EXPECT_EQ(CentreCaption({0, 0, 10, 10}, 13, 10), (ControlRect{-1, 0, 12, 10}));
}

}  // namespace
}  // namespace halvo
