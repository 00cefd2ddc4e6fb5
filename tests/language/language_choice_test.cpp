#include "language/language_choice.h"

#include <gtest/gtest.h>

namespace halvo {
namespace {

TEST(LanguageChoice, SystemLanguageTable) {
  struct Case {
    const char* locale;
    LanguageId expected;
  };
  const Case cases[] = {
      {"zh_CN.UTF-8", LanguageId::SimplifiedChinese},  // Chinese (PRC)
      {"zh_SG.UTF-8", LanguageId::SimplifiedChinese},
      {"zh_TW.UTF-8", LanguageId::TraditionalChinese},  // Chinese (Taiwan)
      {"zh_HK.UTF-8", LanguageId::English},             // Chinese (Hong Kong)
      {"zh", LanguageId::English},
      {"ja_JP.UTF-8", LanguageId::Japanese},
      {"ja", LanguageId::Japanese},
      {"ko_KR.eucKR", LanguageId::Korean},
      {"de_DE.UTF-8", LanguageId::English},
      {"en_US.UTF-8", LanguageId::English},
      {"C", LanguageId::English},
      {"POSIX", LanguageId::English},
      {"", LanguageId::English},
      {"jab_XX", LanguageId::English},  // a language code that only starts like "ja"
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChooseLanguage(SystemLanguageFromLocale(c.locale), {}), c.expected) << c.locale;
  }
}

TEST(LanguageChoice, UnavailableLanguageFallsBackToEnglish) {
  LanguageAvailability none{false, false, false, true, false};
  EXPECT_EQ(ChooseLanguage({0x04, 2}, none), LanguageId::English);
  EXPECT_EQ(ChooseLanguage({0x04, 1}, none), LanguageId::English);
  EXPECT_EQ(ChooseLanguage({0x11, 1}, none), LanguageId::English);
  EXPECT_EQ(ChooseLanguage({0x12, 1}, none), LanguageId::English);
}

}  // namespace
}  // namespace halvo
