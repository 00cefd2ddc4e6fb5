#pragma once

#include "app/prompts.h"
#include "language/language_id.h"
#include "platform/storage/removable_drives.h"
#include "recorder_config/drive_list.h"

namespace halvo {

// The dialog's drive list from the drives present now; creates the fallback folder when no
// card is found.
DriveList RefreshDriveList(RemovableDrives& drives, LanguageId language, Prompts& prompts);

}  // namespace halvo
