#include "language/menu_model.h"

#include <gtest/gtest.h>

namespace halvo {
namespace {

constexpr LanguageId kLanguages[] = {LanguageId::English, LanguageId::TraditionalChinese,
                                     LanguageId::SimplifiedChinese, LanguageId::Japanese,
                                     LanguageId::Korean};

std::vector<std::vector<MenuCommand>> Commands(const MenuModel& model) {
  std::vector<std::vector<MenuCommand>> commands;
  for (const auto& popup : model.popups) {
    commands.emplace_back();
    for (const auto& item : popup.items) commands.back().push_back(item.command);
  }
  return commands;
}

TEST(MenuModel, EveryLanguageHasTheSameCommands) {
  using M = MenuCommand;
  const std::vector<std::vector<MenuCommand>> expected{
      {M::Open, M::SaveCurrent, M::Exit},
      {M::CameraSettings},
      {M::LanguageTraditionalChinese, M::LanguageSimplifiedChinese, M::LanguageEnglish,
       M::LanguageJapanese, M::LanguageKorean},
      {M::About}};
  for (LanguageId language : kLanguages) {
    EXPECT_EQ(Commands(MenuModelFor(language, {})), expected) << Index(language);
  }
}

TEST(MenuModel, ExactlyTheActiveLanguageIsChecked) {
  for (LanguageId language : kLanguages) {
    SCOPED_TRACE(Index(language));
    const MenuModel model = MenuModelFor(language, {});
    int checked = 0;
    for (const auto& popup : model.popups) {
      for (const auto& item : popup.items) {
        const bool isLanguageItem = LanguageForCommand(item.command).has_value();
        EXPECT_EQ(item.checkable, isLanguageItem);
        EXPECT_TRUE(item.enabled);
        if (item.checked) {
          ++checked;
          EXPECT_EQ(item.command, LanguageCommand(language));
        }
      }
    }
    EXPECT_EQ(checked, 1);
  }
}

TEST(MenuModel, LanguageItemsKeepTheirOwnNamesAndFollowAvailability) {
  LanguageAvailability available;
  available.japanese = false;
  available.simplifiedChinese = false;
  const MenuModel model = MenuModelFor(LanguageId::Korean, available);
  const MenuPopup& languages = model.popups[2];
  EXPECT_EQ(languages.title, u"언어");
  const std::u16string_view names[] = {u"繁體中文", u"简体中文", u"English", u"日本語", u"한국어"};
  const bool enabled[] = {true, false, true, false, true};
  for (size_t i = 0; i < std::size(names); ++i) {
    EXPECT_EQ(languages.items[i].text, names[i]);
    EXPECT_EQ(languages.items[i].enabled, enabled[i]) << i;
  }
}

TEST(MenuModel, TitlesAndItemsPerLanguage) {
  const MenuModel english = MenuModelFor(LanguageId::English, {});
  EXPECT_EQ(english.popups[0].title, u"File");
  EXPECT_EQ(english.popups[0].items[1].text, u"Save Current");
  EXPECT_EQ(english.popups[1].items[0].text, u"Camera Settings");
  EXPECT_EQ(english.popups[3].items[0].text, u"About Kesto");
  const MenuModel japanese = MenuModelFor(LanguageId::Japanese, {});
  EXPECT_EQ(japanese.popups[0].title, u"ファイル");
  EXPECT_EQ(japanese.popups[3].items[0].text, u"Kestoについて");
  const MenuModel korean = MenuModelFor(LanguageId::Korean, {});
  EXPECT_EQ(korean.popups[0].items[1].text, u"다른이름으로저장");
  EXPECT_EQ(korean.popups[3].items[0].text, u"Kesto에 관하여");
  EXPECT_EQ(MenuModelFor(LanguageId::TraditionalChinese, {}).popups[3].title, u"求助");
  EXPECT_EQ(MenuModelFor(LanguageId::SimplifiedChinese, {}).popups[0].items[0].text, u"打开旧档");
}

TEST(MenuModel, LanguageCommandsMapBothWays) {
  const std::pair<int, LanguageId> pairs[] = {{32792, LanguageId::English},
                                              {32793, LanguageId::TraditionalChinese},
                                              {32794, LanguageId::SimplifiedChinese},
                                              {32795, LanguageId::Japanese},
                                              {32798, LanguageId::Korean}};
  for (const auto& [command, language] : pairs) {
    EXPECT_EQ(LanguageForCommand(static_cast<MenuCommand>(command)), language);
    EXPECT_EQ(static_cast<int>(LanguageCommand(language)), command);
  }
  EXPECT_EQ(LanguageForCommand(MenuCommand::About), std::nullopt);
  EXPECT_EQ(LanguageForCommand(MenuCommand::Exit), std::nullopt);  // 32796, between the others
}

}  // namespace
}  // namespace halvo
