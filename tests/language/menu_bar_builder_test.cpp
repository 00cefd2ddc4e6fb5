#include "language/menu_bar_builder.h"

#include <QMenu>

#include <gtest/gtest.h>

namespace halvo {
namespace {

constexpr LanguageId kLanguages[] = {LanguageId::English, LanguageId::TraditionalChinese,
                                     LanguageId::SimplifiedChinese, LanguageId::Japanese,
                                     LanguageId::Korean};

QStringList Titles(const QMenuBar& bar) {
  QStringList titles;
  for (const QAction* entry : bar.actions()) titles << entry->text();
  return titles;
}

QList<QAction*> CheckedActions(const QMenuBar& bar) {
  QList<QAction*> checked;
  for (QAction* action : bar.findChildren<QAction*>()) {
    if (action->isChecked()) checked << action;
  }
  return checked;
}

TEST(MenuBarBuilder, BuildsTheMenuWithCommandsOnTheActions) {
  QMenuBar bar;
  const MenuActions actions = ApplyMenuModel(bar, MenuModelFor(LanguageId::English, {}));
  EXPECT_EQ(Titles(bar), (QStringList{"File", "Options", "Language", "Help"}));
  EXPECT_EQ(actions.size(), 10u);
  for (const auto& [command, action] : actions) {
    EXPECT_EQ(action->data().toInt(), static_cast<int>(command));
    EXPECT_EQ(action->objectName(), QStringLiteral("menu_%1").arg(static_cast<int>(command)));
  }
  EXPECT_EQ(bar.findChild<QAction*>(QStringLiteral("menu_32797")), actions.at(MenuCommand::About));
  EXPECT_EQ(actions.at(MenuCommand::About)->text(), QStringLiteral("About Kesto"));
  const QMenu* file = bar.actions().at(0)->menu();
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->actions().at(2), actions.at(MenuCommand::Exit));
}

TEST(MenuBarBuilder, SwitchingLanguagesKeepsActionsAndOneCheckMark) {
  QMenuBar bar;
  const MenuActions first = ApplyMenuModel(bar, MenuModelFor(LanguageId::English, {}));
  for (LanguageId language : kLanguages) {
    SCOPED_TRACE(Index(language));
    const MenuActions actions = ApplyMenuModel(bar, MenuModelFor(language, {}));
    EXPECT_EQ(actions, first);  // connections made once survive every switch
    EXPECT_EQ(bar.actions().size(), 4);
    const QList<QAction*> checked = CheckedActions(bar);
    ASSERT_EQ(checked.size(), 1);
    EXPECT_EQ(checked.front(), actions.at(LanguageCommand(language)));
  }
  EXPECT_EQ(Titles(bar), (QStringList{u"파일"_qs, u"옵션"_qs, u"언어"_qs, u"도움"_qs}));
}

TEST(MenuBarBuilder, ChoosingTheActiveLanguageAgainKeepsItChecked) {
  QMenuBar bar;
  const MenuActions actions = ApplyMenuModel(bar, MenuModelFor(LanguageId::Japanese, {}));
  QAction* japanese = actions.at(MenuCommand::LanguageJapanese);
  japanese->trigger();  // a checkable action unchecks itself when chosen
  EXPECT_FALSE(japanese->isChecked());
  ApplyMenuModel(bar, MenuModelFor(LanguageId::Japanese, {}));
  EXPECT_EQ(CheckedActions(bar), QList<QAction*>{japanese});
}

TEST(MenuBarBuilder, UnavailableLanguagesAreGreyed) {
  QMenuBar bar;
  LanguageAvailability available;
  available.korean = false;
  const MenuActions actions = ApplyMenuModel(bar, MenuModelFor(LanguageId::English, available));
  EXPECT_FALSE(actions.at(MenuCommand::LanguageKorean)->isEnabled());
  EXPECT_TRUE(actions.at(MenuCommand::LanguageEnglish)->isEnabled());
  ApplyMenuModel(bar, MenuModelFor(LanguageId::English, {}));
  EXPECT_TRUE(actions.at(MenuCommand::LanguageKorean)->isEnabled());
}

}  // namespace
}  // namespace halvo
