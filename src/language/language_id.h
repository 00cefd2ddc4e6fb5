#pragma once

#include <cstdint>

namespace halvo {

// The active user-interface language; the values index every language table.
enum class LanguageId : int32_t {
  English = 0,
  TraditionalChinese = 1,
  SimplifiedChinese = 2,
  Japanese = 3,
  Korean = 4,
};

inline constexpr int kLanguageCount = 5;

constexpr int Index(LanguageId id) { return static_cast<int>(id); }

}  // namespace halvo
