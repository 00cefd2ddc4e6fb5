#include <gtest/gtest.h>
#include <sys/statvfs.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>

#include "language/text.h"
#include "platform/storage/free_space.h"
#include "platform/storage/refresh_drive_list.h"
#include "platform/storage/system_removable_drives.h"
#include "platform_storage/fake_card.h"
#include "recorder_config/recording_prompts.h"

namespace halvo {
namespace {

TEST(FreeSpaceMegabytes, MatchesTheFileSystemAndWritesTheDiagnosticLine) {
  TempFolder folder;
  std::ostringstream diagnostics;
  const auto megabytes = FreeSpaceMegabytes(folder.path(), diagnostics);
  struct statvfs info {};
  ASSERT_EQ(statvfs(folder.path().c_str(), &info), 0);
  ASSERT_TRUE(megabytes.has_value());
  const uint64_t available = uint64_t{info.f_bavail} * info.f_frsize;
  // The folder's file system is shared with the rest of the machine, so allow it to move.
  EXPECT_NEAR(static_cast<double>(*megabytes), static_cast<double>(available >> 20), 64);
  std::smatch line;
  const std::string text = diagnostics.str();
  ASSERT_TRUE(std::regex_match(text, line, std::regex(R"(Av=(\d+),Total=(\d+),Free=(\d+)\n)")))
      << text;
  EXPECT_EQ(std::stoull(line[1]) >> 20, *megabytes);
  EXPECT_LE(std::stoull(line[1]), std::stoull(line[3]));
  EXPECT_LE(std::stoull(line[3]), std::stoull(line[2]));

  EXPECT_FALSE(FreeSpaceMegabytes(folder / "missing", diagnostics).has_value());
  EXPECT_FALSE(VolumeMegabytes(folder / "missing").has_value());
}

TEST(SystemRemovableDrives, ListsOnlyRemovableMounts) {
  FakeCardMachine machine;
  SystemRemovableDrives drives(machine.mountInfo(), machine.sysfs());
  EXPECT_EQ(drives.MountPoints(), std::vector<std::string>{machine.cardMount()});
}

TEST(SystemRemovableDrives, ThisMachinesFixedDisksAreNotCards) {
  for (const std::string& mount : SystemRemovableDrives().MountPoints()) {
    EXPECT_NE(mount, "/");
  }
}

class FallbackHome : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* home = std::getenv("HOME");
    if (home != nullptr) savedHome_ = home;
    setenv("HOME", home_.path().c_str(), 1);
  }
  void TearDown() override {
    if (savedHome_) {
      setenv("HOME", savedHome_->c_str(), 1);
    } else {
      unsetenv("HOME");
    }
  }
  TempFolder home_;
  std::optional<std::string> savedHome_;
};

TEST_F(FallbackHome, NoCardFallsBackToTheCreatedTempFolderInHome) {
  FakeCardMachine machine;
  const std::string emptyTable = machine.root() + "/empty-mountinfo";
  std::ofstream{emptyTable};
  SystemRemovableDrives drives(emptyTable, machine.sysfs());
  RecordingPrompts prompts;
  const DriveList list = RefreshDriveList(drives, LanguageId::English, prompts);
  const std::string folder = home_.path() + "/temp";
  EXPECT_EQ(list.entries, std::vector<std::string>{folder});
  EXPECT_FALSE(list.formatAllowed);
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  ASSERT_EQ(prompts.calls.size(), 1u);
  EXPECT_EQ(ToUtf8(prompts.calls[0].text),
            "Can not find SD card path \n Set default save path " + folder + " ");
}

TEST_F(FallbackHome, CardPresentCreatesNoFolder) {
  FakeCardMachine machine;
  SystemRemovableDrives drives(machine.mountInfo(), machine.sysfs());
  RecordingPrompts prompts;
  const DriveList list = RefreshDriveList(drives, LanguageId::English, prompts);
  EXPECT_EQ(list.entries, std::vector<std::string>{machine.cardMount()});
  EXPECT_TRUE(list.formatAllowed);
  EXPECT_TRUE(prompts.calls.empty());
  EXPECT_FALSE(std::filesystem::exists(home_.path() + "/temp"));
}

}  // namespace
}  // namespace halvo
