#include "language/os_version.h"

#include <gtest/gtest.h>

#include "platform/system/os_version_probe.h"

namespace halvo {
namespace {

OsVersion Nt(uint32_t major, uint32_t minor, bool workstation, bool x64 = false,
             bool serverR2 = false) {
  return {true, major, minor, workstation, x64, serverR2};
}

TEST(OsVersionProbe, DecisionTable) {
  struct Case {
    const char* name;
    std::optional<OsVersion> version;
    bool quickFormatBefore;
    OsProbeOutcome expected;
  };
  const Case cases[] = {
      {"7", Nt(7, 0, false), false, {true, true, false}},
      {"6 workstation", Nt(6, 1, true), false, {true, true, false}},
      {"6 server", Nt(6, 0, false), true, {true, false, false}},
      {"5.2 R2", Nt(5, 2, false, true, true), true, {true, false, false}},
      {"5.2 workstation x64", Nt(5, 2, true, true), true, {true, false, false}},
      {"5.2 workstation x86", Nt(5, 2, true, false), true, {true, true, true}},
      {"5.2 server without R2", Nt(5, 2, false, true), false, {true, false, true}},
      {"5.1", Nt(5, 1, true), true, {true, false, false}},
      {"5.0", Nt(5, 0, true), true, {true, true, false}},
      {"10", Nt(10, 0, true), false, {true, false, false}},
      {"not NT", OsVersion{false, 7, 0, true, true, false}, true, {true, true, false}},
      {"unreadable", std::nullopt, true, {false, true, false}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const OsProbeOutcome outcome = ProbeOsVersion(c.version, c.quickFormatBefore);
    EXPECT_EQ(outcome.result, c.expected.result);
    EXPECT_EQ(outcome.quickFormat, c.expected.quickFormat);
    EXPECT_EQ(outcome.showServer2003Message, c.expected.showServer2003Message);
  }
}

TEST(OsVersionProbe, LinuxKeepsQuickFormat) {
  const std::optional<OsVersion> version = ReadOsVersion();
  ASSERT_TRUE(version.has_value());
  EXPECT_FALSE(version->ntFamily);
  const OsProbeOutcome outcome = ProbeOsVersion(version, true);
  EXPECT_TRUE(outcome.result);
  EXPECT_TRUE(outcome.quickFormat);
  EXPECT_FALSE(outcome.showServer2003Message);
}

}  // namespace
}  // namespace halvo
