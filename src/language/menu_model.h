#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "app/control_ids.h"
#include "language/language_choice.h"
#include "language/language_id.h"

namespace halvo {

struct MenuItem {
  MenuCommand command;
  std::u16string_view text;
  bool checkable = false;
  bool checked = false;
  bool enabled = true;
};

struct MenuPopup {
  std::u16string_view title;
  std::vector<MenuItem> items;
};

// A window menu bar: File, Options, Language and Help, with the same commands
// in every language.
struct MenuModel {
  std::vector<MenuPopup> popups;
};

// The window menu of a language. Its Language items carry a check mark on that
// language only, and each is enabled by its language's availability flag.
MenuModel MenuModelFor(LanguageId language, const LanguageAvailability& available);

// The Language menu item that switches to a language, and back.
MenuCommand LanguageCommand(LanguageId language);
std::optional<LanguageId> LanguageForCommand(MenuCommand command);

bool IsLanguageAvailable(const LanguageAvailability& available, LanguageId language);

}  // namespace halvo
