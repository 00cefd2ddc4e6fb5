// Formats sparse image files, never a device, with the same arguments the card formatter uses.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "platform/storage/system_format_steps.h"
#include "recorder_config/format_plan.h"
#include "support/temp_folder.h"

namespace halvo {
namespace {

struct FatCheck {
  bool clean = false;
  bool fat32 = false;
  int clusterBytes = 0;
};

FatCheck CheckFat(const std::string& image) {
  const CommandResult fsck = RunCommand({"fsck.fat", "-n", "-v", image});
  FatCheck check;
  check.clean = fsck.exitCode == 0;
  check.fat32 = fsck.output.find("32 bit entries") != std::string::npos;
  std::smatch cluster;
  if (std::regex_search(fsck.output, cluster, std::regex(R"((\d+) bytes per cluster)"))) {
    check.clusterBytes = std::stoi(cluster[1]);
  }
  return check;
}

// Takes no disk space until written: formatting writes only the file system's tables.
void MakeSparseImage(const std::string& path, uint64_t megabytes) {
  std::ofstream{path};
  std::filesystem::resize_file(path, megabytes << 20);
}

TEST(RealFormat, ImageFilesGetTheFileSystemOfTheirPlan) {
  struct Case {
    uint64_t megabytes;
    bool quick;
    bool fat32;        // false: whatever FAT type mkfs.fat chooses
    int clusterBytes;  // 0: whatever cluster size mkfs.fat chooses
  };
  // FAT32 needs 65525 clusters, so each row's image is at least that large.
  const Case cases[] = {{64, false, false, 0},
                        {700, true, false, 0},
                        {900, true, true, 8192},
                        {1500, true, true, 16384},
                        {2100, true, true, 32768}};
  TempFolder folder;
  SystemFormatSteps steps;
  for (const Case& c : cases) {
    const std::string image = folder / ("card-" + std::to_string(c.megabytes) + ".img");
    MakeSparseImage(image, c.megabytes);
    const FormatPlan plan = PlanFormat(c.megabytes, c.quick);
    const CommandResult mkfs = steps.RunMkfs(MkfsFatArguments(plan, image));
    ASSERT_EQ(mkfs.exitCode, 0) << mkfs.output;
    const FatCheck check = CheckFat(image);
    EXPECT_TRUE(check.clean) << c.megabytes;
    EXPECT_TRUE(!c.fat32 || check.fat32) << c.megabytes;
    if (c.clusterBytes != 0) {
      EXPECT_EQ(check.clusterBytes, c.clusterBytes) << c.megabytes;
    }
    std::filesystem::remove(image);
  }
}

TEST(RealFormat, MtoolsAgreesOnTheClusterSize) {
  TempFolder folder;
  const std::string image = folder / "card.img";
  MakeSparseImage(image, 1500);
  ASSERT_EQ(SystemFormatSteps().RunMkfs(MkfsFatArguments(PlanFormat(1500, true), image)).exitCode,
            0);
  const CommandResult info = RunCommand({"minfo", "-i", image, "::"});
  ASSERT_EQ(info.exitCode, 0) << info.output;
  EXPECT_NE(info.output.find("cluster size: 32 sectors"), std::string::npos) << info.output;
  EXPECT_NE(info.output.find("sector size: 512 bytes"), std::string::npos) << info.output;
}

TEST(RealFormat, MkfsFailureComesBackWithWhatItSaid) {
  TempFolder folder;
  const CommandResult mkfs = SystemFormatSteps().RunMkfs(
      MkfsFatArguments(PlanFormat(900, true), folder / "missing/card.img"));
  EXPECT_NE(mkfs.exitCode, 0);
  EXPECT_NE(mkfs.output.find("missing/card.img"), std::string::npos) << mkfs.output;

  const CommandResult absent = RunCommand({"halvo-no-such-program"});
  EXPECT_EQ(absent.exitCode, -1);
  EXPECT_EQ(absent.output, "halvo-no-such-program: No such file or directory");
}

}  // namespace
}  // namespace halvo
