#include "platform/storage/refresh_drive_list.h"

namespace halvo {

DriveList RefreshDriveList(RemovableDrives& drives, LanguageId language, Prompts& prompts) {
  std::vector<std::string> mountPoints = drives.MountPoints();
  if (!mountPoints.empty()) {
    return RefreshDriveList(std::move(mountPoints), {}, language, prompts);
  }
  return RefreshDriveList({}, drives.FallbackFolder(), language, prompts);
}

}  // namespace halvo
