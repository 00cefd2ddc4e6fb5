#include "language/language_choice.h"

#include <array>

namespace halvo {
namespace {

constexpr uint16_t kPrimaryChinese = 0x04;
constexpr uint16_t kPrimaryJapanese = 0x11;
constexpr uint16_t kPrimaryKorean = 0x12;
constexpr uint16_t kSubTraditional = 1;
constexpr uint16_t kSubSimplified = 2;

struct LocaleLanguage {
  std::string_view prefix;  // language, or language_TERRITORY
  SystemLanguage language;
};

// Longest prefixes first: a territory decides between the Chinese variants.
constexpr std::array kLocaleLanguages{
    LocaleLanguage{"zh_CN", {kPrimaryChinese, kSubSimplified}},
    LocaleLanguage{"zh_SG", {kPrimaryChinese, kSubSimplified}},
    LocaleLanguage{"zh_TW", {kPrimaryChinese, kSubTraditional}},
    LocaleLanguage{"zh_HK", {kPrimaryChinese, 3}},
    LocaleLanguage{"zh_MO", {kPrimaryChinese, 5}},
    LocaleLanguage{"zh", {kPrimaryChinese, 0}},
    LocaleLanguage{"ja", {kPrimaryJapanese, 1}},
    LocaleLanguage{"ko", {kPrimaryKorean, 1}},
    LocaleLanguage{"de", {0x07, 1}},
    LocaleLanguage{"en", {0x09, 1}},
    LocaleLanguage{"fr", {0x0C, 1}},
};

}  // namespace

LanguageId ChooseLanguage(SystemLanguage system, const LanguageAvailability& available) {
  if (system.primary == kPrimaryChinese) {
    if (system.sub == kSubSimplified && available.simplifiedChinese)
      return LanguageId::SimplifiedChinese;
    if (system.sub == kSubTraditional && available.traditionalChinese)
      return LanguageId::TraditionalChinese;
    return LanguageId::English;
  }
  if (system.primary == kPrimaryJapanese && available.japanese) return LanguageId::Japanese;
  if (system.primary == kPrimaryKorean && available.korean) return LanguageId::Korean;
  return LanguageId::English;
}

SystemLanguage SystemLanguageFromLocale(std::string_view locale) {
  // Drop ".codeset" and "@modifier".
  locale = locale.substr(0, locale.find_first_of(".@"));
  for (const auto& entry : kLocaleLanguages) {
    if (!locale.starts_with(entry.prefix)) continue;
    const auto rest = locale.substr(entry.prefix.size());
    if (rest.empty() || rest.front() == '_') return entry.language;
  }
  return {};
}

}  // namespace halvo
