#include "language/menu_model.h"

#include <array>

namespace halvo {
namespace {

struct MenuTexts {
  std::u16string_view file, open, saveCurrent, exit;
  std::u16string_view options, cameraSettings;
  std::u16string_view language;
  std::u16string_view help, about;
};

// One entry per language, in LanguageId order.
constexpr std::array<MenuTexts, kLanguageCount> kMenuTexts{
    // English
    MenuTexts{u"File", u"Open", u"Save Current", u"Exit", u"Options", u"Camera Settings",
              u"Language", u"Help", u"About Kesto"},
    // TraditionalChinese
    MenuTexts{u"檔案", u"開啟舊檔", u"另存畫面", u"結束", u"選項", u"相機設定", u"語言", u"求助",
              u"關於Kesto"},
    // SimplifiedChinese
    MenuTexts{u"文件", u"打开旧档", u"另存画面", u"退出", u"选项", u"相机设置", u"语言", u"帮助",
              u"关于Kesto"},
    // Japanese
    MenuTexts{u"ファイル", u"開く", u"保存", u"終了", u"オプション", u"カメラ設定", u"言語",
              u"ヘルプ", u"Kestoについて"},
    // Korean
    MenuTexts{u"파일", u"열기", u"다른이름으로저장", u"닫기", u"옵션", u"카메라세팅", u"언어",
              u"도움", u"Kesto에 관하여"},
};

struct LanguageItem {
  LanguageId language;
  MenuCommand command;
  std::u16string_view name;  // the language's own name, the same in every menu
};

// In the order the Language pop-up lists them.
constexpr std::array kLanguageItems{
    LanguageItem{LanguageId::TraditionalChinese, MenuCommand::LanguageTraditionalChinese,
                 u"繁體中文"},
    LanguageItem{LanguageId::SimplifiedChinese, MenuCommand::LanguageSimplifiedChinese,
                 u"简体中文"},
    LanguageItem{LanguageId::English, MenuCommand::LanguageEnglish, u"English"},
    LanguageItem{LanguageId::Japanese, MenuCommand::LanguageJapanese, u"日本語"},
    LanguageItem{LanguageId::Korean, MenuCommand::LanguageKorean, u"한국어"},
};

}  // namespace

MenuModel MenuModelFor(LanguageId language, const LanguageAvailability& available) {
  const MenuTexts& texts = kMenuTexts[Index(language)];
  MenuPopup languages{texts.language, {}};
  for (const auto& item : kLanguageItems) {
    languages.items.push_back({item.command, item.name, true, item.language == language,
                               IsLanguageAvailable(available, item.language)});
  }
  return MenuModel{{
      {texts.file,
       {{MenuCommand::Open, texts.open},
        {MenuCommand::SaveCurrent, texts.saveCurrent},
        {MenuCommand::Exit, texts.exit}}},
      {texts.options, {{MenuCommand::CameraSettings, texts.cameraSettings}}},
      languages,
      {texts.help, {{MenuCommand::About, texts.about}}},
  }};
}

MenuCommand LanguageCommand(LanguageId language) {
  for (const auto& item : kLanguageItems) {
    if (item.language == language) return item.command;
  }
  return MenuCommand::LanguageEnglish;
}

std::optional<LanguageId> LanguageForCommand(MenuCommand command) {
  for (const auto& item : kLanguageItems) {
    if (item.command == command) return item.language;
  }
  return std::nullopt;
}

bool IsLanguageAvailable(const LanguageAvailability& available, LanguageId language) {
  switch (language) {
    case LanguageId::English:
      return available.english;
    case LanguageId::TraditionalChinese:
      return available.traditionalChinese;
    case LanguageId::SimplifiedChinese:
      return available.simplifiedChinese;
    case LanguageId::Japanese:
      return available.japanese;
    case LanguageId::Korean:
      return available.korean;
  }
  return false;
}

}  // namespace halvo
