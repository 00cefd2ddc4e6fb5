#include "recorder_config/format_plan.h"

#include <gtest/gtest.h>

namespace halvo {
namespace {

using Args = std::vector<std::string>;

TEST(PlanFormat, SizeRowsAndQuickSwitch) {
  struct Case {
    uint64_t megabytes;
    bool fat32;
    uint32_t clusterBytes;
  };
  const Case cases[] = {{0, true, 32768},    {1, false, 0},       {512, false, 0},
                        {799, false, 0},     {800, true, 8192},   {1000, true, 8192},
                        {1001, true, 16384}, {1907, true, 16384}, {2000, true, 16384},
                        {2001, true, 32768}, {3800, true, 32768}};
  for (const Case& c : cases) {
    for (const bool quick : {true, false}) {
      EXPECT_EQ(PlanFormat(c.megabytes, quick), (FormatPlan{c.fat32, c.clusterBytes, quick}))
          << c.megabytes << (quick ? " quick" : " full");
    }
  }
}

TEST(MkfsFatArguments, CarryOutThePlan) {
  EXPECT_EQ(MkfsFatArguments(PlanFormat(512, false), "/dev/sdb1"),
            (Args{"mkfs.fat", "-c", "/dev/sdb1"}));
  EXPECT_EQ(MkfsFatArguments(PlanFormat(512, true), "/dev/sdb1"), (Args{"mkfs.fat", "/dev/sdb1"}));
  EXPECT_EQ(MkfsFatArguments(PlanFormat(900, true), "/dev/mmcblk0p1"),
            (Args{"mkfs.fat", "-F", "32", "-S", "512", "-s", "16", "/dev/mmcblk0p1"}));
  EXPECT_EQ(MkfsFatArguments(PlanFormat(1907, true), "/dev/sdb1"),
            (Args{"mkfs.fat", "-F", "32", "-S", "512", "-s", "32", "/dev/sdb1"}));
  EXPECT_EQ(MkfsFatArguments(PlanFormat(3800, false), "/dev/sdb1"),
            (Args{"mkfs.fat", "-F", "32", "-S", "512", "-s", "64", "-c", "/dev/sdb1"}));
}

TEST(FormatWarning, TextAndCaption) {
  EXPECT_EQ(
      FormatWarningText(),
      u"WARNING : Formatting will erase ALL data on the disk.\n To format the disk,click YES. "
      u"To quit,click NO");
  EXPECT_EQ(FormatWarningCaption("/media/u/CARD"), u"Format SD card (/media/u/CARD)");
}

}  // namespace
}  // namespace halvo
