#include "recorder_config/drive_list.h"

#include <gtest/gtest.h>

#include "recorder_config/recording_prompts.h"

namespace halvo {
namespace {

TEST(RefreshDriveList, CardsSortedWithoutWarning) {
  RecordingPrompts prompts;
  const DriveList list = RefreshDriveList({"/media/u/G", "/media/u/E", "/media/u/G"},
                                          "/home/u/temp", LanguageId::English, prompts);
  EXPECT_EQ(list.entries, (std::vector<std::string>{"/media/u/E", "/media/u/G"}));
  EXPECT_TRUE(list.formatAllowed);
  EXPECT_TRUE(prompts.calls.empty());
}

TEST(RefreshDriveList, KeepsTheFirst24) {
  std::vector<std::string> mounts;
  for (char c = 'Z'; c >= 'A'; --c) mounts.push_back(std::string("/media/") + c);
  RecordingPrompts prompts;
  const DriveList list = RefreshDriveList(mounts, "/tmp", LanguageId::English, prompts);
  ASSERT_EQ(list.entries.size(), 24u);
  EXPECT_EQ(list.entries.front(), "/media/A");
  EXPECT_EQ(list.entries.back(), "/media/X");
}

TEST(RefreshDriveList, NoCardWarnsInTheUsersLanguageAndFallsBackToTheFolder) {
  struct Case {
    int language;
    std::u16string caption, text;
  };
  const Case cases[] = {
      {0, u"Warning", u"Can not find SD card path \n Set default save path /home/u/temp "},
      {1, u"警告", u"未能偵測到SD 記憶卡 \n 預設儲存路徑為 /home/u/temp "},
      {2, u"警告", u"未能检测到SD 记忆卡 \n 系统默认储存卡槽 /home/u/temp "},
      {3, u"警告", u"SDカードパスが見つかりません デフォルト保存パスを設定してください"},
      {4, u"경고", u"SD카드를 찾을수없음 C:디폴트 셋팅. "},
      {-1, u"Warning", u"Can not find SD card path \n Set default save path /home/u/temp "},
  };
  for (const Case& c : cases) {
    RecordingPrompts prompts;
    const DriveList list =
        RefreshDriveList({}, "/home/u/temp", static_cast<LanguageId>(c.language), prompts);
    EXPECT_EQ(list.entries, std::vector<std::string>{"/home/u/temp"});
    EXPECT_FALSE(list.formatAllowed);
    ASSERT_EQ(prompts.calls.size(), 1u);
    EXPECT_EQ(prompts.calls[0].caption, c.caption) << c.language;
    EXPECT_EQ(prompts.calls[0].text, c.text) << c.language;
    EXPECT_EQ(prompts.calls[0].icon, PromptIcon::Warning);
  }
}

}  // namespace
}  // namespace halvo
