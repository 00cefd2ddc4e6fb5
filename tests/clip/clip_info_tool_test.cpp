// halvo-clipinfo on made clips and on a file that cannot be opened.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "support/made_clips.h"

namespace halvo {
namespace {

std::vector<nlohmann::json> JsonLines(const std::string& text) {
  std::vector<nlohmann::json> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(nlohmann::json::parse(line));
  return lines;
}

TEST(ClipInfoTool, PrintsOneObjectPerClipAndFailsOnUnopenable) {
  MadeClips clips;
  const std::string mjpeg = clips.Make("a.avi", {"--frames", "4", "--width", "64", "--height", "48"});
  const std::string full = clips.Make("b.avi", {"--frames", "4", "--width", "64", "--height", "48",
                                                "--movi-at", "1024", "--no-record-name"});
  ASSERT_FALSE(mjpeg.empty());
  ASSERT_FALSE(full.empty());

  const auto run = RunTool(ToolPath("clipinfo/halvo-clipinfo") + " --sizes " + mjpeg + " " +
                           clips.PathOf("missing.avi") + " " + full);

  EXPECT_EQ(run.status, 2);
  const std::vector<nlohmann::json> lines = JsonLines(run.out);
  ASSERT_EQ(lines.size(), 2u);
  const nlohmann::json& a = lines[0];
  EXPECT_EQ(a["file"], mjpeg);
  EXPECT_EQ(a["keyframeIndex"], false);
  EXPECT_EQ(a["frameRateText"], "30");
  EXPECT_EQ(a["recordDateText"], std::string("2012.06.22.15.30.45") + std::string(9, '\0'));
  EXPECT_EQ(a["entries"], 4);
  EXPECT_EQ(a["messages"], nlohmann::json::array());
  ASSERT_EQ(a["sizes"].size(), 4u);
  EXPECT_GT(a["sizes"][0].get<int>(), 100);
  EXPECT_EQ(lines[1]["recordDateText"], "b.avi");
  EXPECT_EQ(lines[1]["messages"], nlohmann::json::array({"File Format is not match the latest"}));
  EXPECT_EQ(a.size(), 7u);

  EXPECT_EQ(run.err, "Failed !! Error code:1001 \n");
}

TEST(ClipInfoTool, RecordNameNulsAreEscapedInTheJsonText) {
  MadeClips clips;
  const std::string clip = clips.Make(
      "a.avi", {"--frames", "1", "--width", "64", "--height", "48", "--record-name", "AB"});
  ASSERT_FALSE(clip.empty());
  const auto run = RunTool(ToolPath("clipinfo/halvo-clipinfo") + " " + clip);
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find(R"("recordDateText":"AB\u0000\u0000)"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("sizes"), std::string::npos);
}

}  // namespace
}  // namespace halvo
