#pragma once

#include <cstdint>
#include <string_view>

#include "language/language_id.h"

namespace halvo {

// Which languages this product offers; all five in this build.
struct LanguageAvailability {
  bool simplifiedChinese = true;
  bool traditionalChinese = true;
  bool japanese = true;
  bool english = true;
  bool korean = true;
};

// A language identifier: primary language in bits 0-9, sub-language above.
struct SystemLanguage {
  uint16_t primary = 0;
  uint16_t sub = 0;
};

// The start-up language from the system's default language.
LanguageId ChooseLanguage(SystemLanguage system, const LanguageAvailability& available);

// Maps a POSIX locale name ("zh_TW.UTF-8", "ja_JP", "C") to its language identifier.
SystemLanguage SystemLanguageFromLocale(std::string_view locale);

}  // namespace halvo
