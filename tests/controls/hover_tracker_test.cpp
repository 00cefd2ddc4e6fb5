#include "controls/hover_tracker.h"

#include <gtest/gtest.h>

namespace halvo {
namespace {

TEST(HoverTrackerTest, NoHoverBeginsWithTheLeftButtonHeld) {
  HoverTracker tracker;
  EXPECT_FALSE(tracker.OnMouseMove(true, true));
  EXPECT_FALSE(tracker.hovering());
  EXPECT_TRUE(tracker.OnMouseMove(true, false));
  EXPECT_TRUE(tracker.hovering());
  // Already hovering: holding the button keeps it, moving away ends it.
  EXPECT_FALSE(tracker.OnMouseMove(true, true));
  EXPECT_TRUE(tracker.hovering());
  EXPECT_TRUE(tracker.OnMouseMove(false, true));
  EXPECT_FALSE(tracker.hovering());
}

TEST(HoverTrackerTest, EndReportsAChangeOnlyWhenHovering) {
  HoverTracker tracker;
  EXPECT_FALSE(tracker.End());
  tracker.OnMouseMove(true, false);
  EXPECT_TRUE(tracker.End());
  EXPECT_FALSE(tracker.End());
}

}  // namespace
}  // namespace halvo
