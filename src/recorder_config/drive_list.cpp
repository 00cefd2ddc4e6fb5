#include "recorder_config/drive_list.h"

#include <algorithm>

#include "language/text.h"

namespace halvo {
namespace {

struct NoCardWarning {
  std::u16string_view caption;
  std::u16string_view text;
};

constexpr NoCardWarning kNoCardWarnings[kLanguageCount] = {
    {u"Warning", u"Can not find SD card path \n Set default save path c:\\temp "},
    {u"警告", u"未能偵測到SD 記憶卡 \n 預設儲存路徑為 C:\\temp "},
    {u"警告", u"未能检测到SD 记忆卡 \n 系统默认储存卡槽 C:\\temp "},
    {u"警告", u"SDカードパスが見つかりません デフォルト保存パスを設定してください"},
    {u"경고", u"SD카드를 찾을수없음 C:디폴트 셋팅. "},
};

const NoCardWarning& WarningFor(LanguageId language) {
  const int index = Index(language);
  return kNoCardWarnings[index >= 0 && index < kLanguageCount ? index : 0];
}

}  // namespace

std::u16string NoCardWarningCaption(LanguageId language) {
  return std::u16string(WarningFor(language).caption);
}

std::u16string NoCardWarningText(LanguageId language, std::string_view fallbackFolder) {
  std::u16string text(WarningFor(language).text);
  for (const std::u16string_view original : {u"c:\\temp", u"C:\\temp"}) {
    if (const size_t at = text.find(original); at != std::u16string::npos) {
      text.replace(at, original.size(), FromUtf8(fallbackFolder));
    }
  }
  return text;
}

DriveList RefreshDriveList(std::vector<std::string> removableMountPoints,
                           std::string_view fallbackFolder, LanguageId language, Prompts& prompts) {
  DriveList list;
  std::sort(removableMountPoints.begin(), removableMountPoints.end());
  removableMountPoints.erase(std::unique(removableMountPoints.begin(), removableMountPoints.end()),
                             removableMountPoints.end());
  if (removableMountPoints.size() > kMaxDriveEntries) removableMountPoints.resize(kMaxDriveEntries);
  list.entries = std::move(removableMountPoints);
  if (list.entries.empty()) {
    prompts.ShowMessage(NoCardWarningText(language, fallbackFolder), NoCardWarningCaption(language),
                        PromptIcon::Warning);
    list.entries.emplace_back(fallbackFolder);
    list.formatAllowed = false;
  }
  return list;
}

}  // namespace halvo
