#include "recorder_config/settings_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "language/text.h"
#include "recorder_config/recording_prompts.h"
#include "support/temp_folder.h"

namespace halvo {
namespace {

const LocalTimeSource kClock = [] {
  return std::optional<LocalTime>(LocalTime{2010, 3, 17, 14, 5, 9, 3});
};

std::vector<uint8_t> ExpectedRecord(const CameraSettings& settings) {
  const SettingsRecord record = *EncodeSettings(settings, kClock);
  return {record.begin(), record.end()};
}

TEST(SettingsFilePath, JoinsWithoutADoubledSeparator) {
  EXPECT_EQ(SettingsFilePath("/media/user/CARD/"), "/media/user/CARD/settings.ini");
  EXPECT_EQ(SettingsFilePath("/media/user/CARD"), "/media/user/CARD/settings.ini");
  EXPECT_EQ(SettingsFilePath("/"), "/settings.ini");
}

TEST(SaveSettingsFile, WritesExactlyTheRecordAndReportsSuccessInTheUsersLanguage) {
  struct Case {
    int language;
    std::u16string caption, text;
  };
  const Case cases[] = {
      {0, u"Camera setting", u"Successful !"}, {1, u"相機設定", u"設定完成 !"},
      {2, u"相机设置", u"设置完成 !"},         {3, u"カメラ設定", u"完了l !"},
      {4, u"카메라세팅", u"성공 !"},           {9, u"Camera setting", u"Successful !"}};
  TempFolder card;
  WriteBytes(card / "settings.ini", std::vector<uint8_t>(500, 'x'));
  for (const Case& c : cases) {
    CameraSettings settings;
    settings.targetDrive = card.path() + "/";
    settings.micVolume = c.language;
    RecordingPrompts prompts;
    EXPECT_TRUE(SaveSettingsFile(settings, static_cast<LanguageId>(c.language), prompts, kClock));
    EXPECT_EQ(ReadBytes(card / "settings.ini"), ExpectedRecord(settings));
    ASSERT_EQ(prompts.calls.size(), 1u);
    EXPECT_EQ(prompts.calls[0].caption, c.caption);
    EXPECT_EQ(prompts.calls[0].text, c.text);
    EXPECT_EQ(prompts.calls[0].icon, PromptIcon::Information);
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(card.path()), {}), 1)
      << "no temporary file is left behind";
}

TEST(SaveSettingsFile, MissingFolderSaysCanNotOpenFile) {
  TempFolder root;
  CameraSettings settings;
  settings.targetDrive = root / "no-card-here";
  RecordingPrompts prompts;
  EXPECT_FALSE(SaveSettingsFile(settings, LanguageId::English, prompts, kClock));
  ASSERT_EQ(prompts.calls.size(), 1u);
  EXPECT_EQ(prompts.calls[0].text, u"Can not open file");
  EXPECT_EQ(prompts.calls[0].caption, kApplicationName);
  EXPECT_EQ(prompts.calls[0].icon, PromptIcon::None);
}

TEST(SaveSettingsFile, WrongSettingsWarnAndLeaveTheCardsFileAlone) {
  TempFolder card;
  const std::vector<uint8_t> previous(160, 7);
  WriteBytes(card / "settings.ini", previous);
  CameraSettings settings;
  settings.targetDrive = card.path();
  settings.lcdLight.reset();
  RecordingPrompts prompts;
  EXPECT_FALSE(SaveSettingsFile(settings, LanguageId::Japanese, prompts, kClock));
  ASSERT_EQ(prompts.calls.size(), 1u);
  EXPECT_EQ(prompts.calls[0].text, u"The setting is wrong");
  EXPECT_EQ(prompts.calls[0].caption, u"Warning");
  EXPECT_EQ(prompts.calls[0].icon, PromptIcon::Warning);
  EXPECT_EQ(ReadBytes(card / "settings.ini"), previous);
}

// A card with room for only 100 bytes: the file-size limit stands in for a full card. It runs
// in a child so that the limit stays there; the child reports through its exit status.
TEST(SaveSettingsFile, FullCardReportsTheCauseAndNeverSuccess) {
  TempFolder card;
  const std::vector<uint8_t> previous(160, 7);
  WriteBytes(card / "settings.ini", previous);
  const pid_t child = fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{100, 100};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(10);
    CameraSettings settings;
    settings.targetDrive = card.path();
    RecordingPrompts prompts;
    const bool saved = SaveSettingsFile(settings, LanguageId::English, prompts, kClock);
    if (saved) _exit(11);
    if (prompts.calls.size() != 1) _exit(12);
    const auto& call = prompts.calls[0];
    const std::u16string expected =
        FromUtf8("Writing " + card.path() + "/settings.ini failed: File too large.");
    if (call.text != expected) _exit(13);
    if (call.icon != PromptIcon::Error || call.caption != kApplicationName) _exit(14);
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "10 limit, 11 reported saved, 12 message count, "
                                       "13 message text, 14 icon or caption";
  EXPECT_EQ(ReadBytes(card / "settings.ini"), previous) << "the old settings survive";
  EXPECT_FALSE(std::filesystem::exists(card / "settings.ini.tmp"));
}

}  // namespace
}  // namespace halvo
