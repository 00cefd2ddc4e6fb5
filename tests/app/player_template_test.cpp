#include "app/player_template.h"

#include <gtest/gtest.h>

#include <set>

namespace halvo {
namespace {

TEST(PlayerTemplate, DialogUnitsMapEdgeByEdge) {
  EXPECT_EQ(DialogUnitsToPixels({0, 0, 603, 381}), (TemplateRect{0, 0, 904, 619}));
  // 1063 and 1064 touch in the template (448+51 = 499) and must touch on screen.
  const TemplateRect previous = DialogUnitsToPixels({448, 280, 51, 15});
  const TemplateRect next = DialogUnitsToPixels({499, 280, 51, 15});
  EXPECT_EQ(previous.x + previous.width, next.x);
  EXPECT_EQ(DialogUnitsToPixels({7, 6, 425, 298}), (TemplateRect{10, 9, 638, 485}));
}

TEST(PlayerTemplate, EveryControlOnceAndOnlyTemplateTextsShown) {
  std::set<ControlId> ids;
  int hidden = 0;
  for (const auto& control : PlayerControls()) {
    EXPECT_TRUE(ids.insert(control.id).second) << static_cast<int>(control.id);
    hidden += control.visible ? 0 : 1;
  }
  EXPECT_EQ(ids.size(), 31u);
  // Both pan bars, OK, Cancel, the search stop and zoom out buttons, the static icon.
  EXPECT_EQ(hidden, 7);
}

TEST(PlayerTemplate, StatusPaneEdgesFollowTheBarWidth) {
  EXPECT_EQ(StatusPaneRightEdges(904), (std::array<int, 6>{184, 304, 424, 564, 704, -1}));
}

}  // namespace
}  // namespace halvo
