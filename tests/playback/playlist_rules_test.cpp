#include "app/playlist_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace halvo {
namespace {

TEST(PlaylistRules, SortsWithoutRegardToCase) {
  std::vector<std::u16string> names{u"c.avi", u"B.avi", u"a.avi", u"A2.avi"};
  std::sort(names.begin(), names.end(), PlaylistLess);
  EXPECT_EQ(names, (std::vector<std::u16string>{u"a.avi", u"A2.avi", u"B.avi", u"c.avi"}));
}

TEST(PlaylistRules, NextWrapsAndPreviousStopsAtTheFirst) {
  EXPECT_EQ(NextEntry(-1, 3), 0);
  EXPECT_EQ(NextEntry(0, 3), 1);
  EXPECT_EQ(NextEntry(2, 3), 0);
  EXPECT_EQ(PreviousEntry(0), -1);
  EXPECT_EQ(PreviousEntry(-1), -1);
  EXPECT_EQ(PreviousEntry(2), 1);
}

TEST(PlaylistRules, PathsNeverDoubleTheSeparator) {
  EXPECT_EQ(JoinClipPath("/media/card", "50%_rate.avi"), "/media/card/50%_rate.avi");
  EXPECT_EQ(JoinClipPath("/", "a.avi"), "/a.avi");
  EXPECT_EQ(JoinClipPath("/media/card/", "a.avi"), "/media/card/a.avi");
  EXPECT_EQ(BareName("/media/card/a.avi"), "a.avi");
  EXPECT_EQ(BareName("a.avi"), "a.avi");
  EXPECT_EQ(FolderOf("/media/card/a.avi"), "/media/card");
  EXPECT_EQ(FolderOf("/a.avi"), "/");
}

}  // namespace
}  // namespace halvo
