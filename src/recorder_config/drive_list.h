#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/prompts.h"
#include "language/language_id.h"

namespace halvo {

// The drive list of the camera-settings dialog; the first entry is the selected one.
struct DriveList {
  std::vector<std::string> entries;
  // False when no card was found and the list holds only the fallback folder: the
  // "Format SD card" box is then disabled for the rest of the dialog.
  bool formatAllowed = true;
};

inline constexpr size_t kMaxDriveEntries = 24;

std::u16string NoCardWarningCaption(LanguageId language);
// The warning names the fallback folder where the texts name the original default path.
std::u16string NoCardWarningText(LanguageId language, std::string_view fallbackFolder);

// Card mount points sorted, at most 24; without any, the no-card warning and the fallback
// folder as the only entry. The caller makes sure the fallback folder exists.
DriveList RefreshDriveList(std::vector<std::string> removableMountPoints,
                           std::string_view fallbackFolder, LanguageId language, Prompts& prompts);

}  // namespace halvo
