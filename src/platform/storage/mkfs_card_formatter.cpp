#include "platform/storage/mkfs_card_formatter.h"

#include <cerrno>
#include <cstring>

#include "language/text.h"
#include "recorder_config/format_plan.h"

namespace halvo {
namespace {

void Tell(Prompts& prompts, const std::string& text, PromptIcon icon = PromptIcon::Warning) {
  prompts.ShowMessage(FromUtf8(text), kApplicationName, icon);
}

std::string NoPermissionText(const MountedCard& card) {
  return "You do not have permission to format the card at " + card.mountPoint + " (" +
         card.device + "). Formatting a card needs administrator rights. Nothing was formatted.";
}

}  // namespace

MkfsCardFormatter::MkfsCardFormatter(FormatSteps& steps, std::string mountInfoPath,
                                     std::string sysfsRoot)
    : steps_(steps), mountInfoPath_(std::move(mountInfoPath)), sysfsRoot_(std::move(sysfsRoot)) {}

FormatOutcome MkfsCardFormatter::FormatCard(const std::string& driveEntry, bool quickFormat,
                                            Prompts& prompts) {
  const auto card = FindRemovableCard(driveEntry, ReadMountInfo(mountInfoPath_), sysfsRoot_);
  if (!card) {
    Tell(prompts, "Not formatted: " + driveEntry +
                      " is not a removable card mounted there on its own. Only a removable "
                      "card is ever formatted.");
    return FormatOutcome::Refused;
  }
  if (!steps_.MayFormat(*card)) {
    Tell(prompts, NoPermissionText(*card));
    return FormatOutcome::Refused;
  }
  const auto megabytes = steps_.VolumeMegabytes(*card);
  if (!megabytes) {
    Tell(prompts,
         "Not formatted: the size of the card at " + card->mountPoint + " cannot be read.");
    return FormatOutcome::Refused;
  }
  if (!prompts.AskYesNo(FormatWarningText(), FormatWarningCaption(driveEntry),
                        PromptIcon::Warning)) {
    return FormatOutcome::Declined;
  }

  if (const int error = steps_.Unmount(*card); error != 0) {
    if (error == EPERM || error == EACCES) {
      Tell(prompts, NoPermissionText(*card));
      return FormatOutcome::Refused;
    }
    Tell(prompts,
         "Not formatted: the card at " + card->mountPoint +
             " can not be unmounted: " + std::strerror(error) +
             (error == EBUSY ? ". Close every program that uses the card and try again." : "."));
    return FormatOutcome::Failed;
  }

  const CommandResult mkfs =
      steps_.RunMkfs(MkfsFatArguments(PlanFormat(*megabytes, quickFormat), card->device));
  const bool formatted = mkfs.exitCode == 0;
  // After a failed format the old file system may still be there: mount it as it was.
  const int mountError = steps_.Mount(*card, formatted ? "vfat" : card->fsType);

  std::string report;
  if (!formatted) {
    report = "Formatting " + card->device + " failed. mkfs.fat said:\n" + mkfs.output;
  }
  if (mountError != 0) {
    if (!report.empty()) report += "\n";
    report += "The card could not be mounted again at " + card->mountPoint + ": " +
              std::strerror(mountError) + ". Remove the card and insert it again.";
  }
  if (!report.empty()) Tell(prompts, report, PromptIcon::Error);
  if (mountError != 0) return FormatOutcome::CardNotMounted;
  return formatted ? FormatOutcome::Formatted : FormatOutcome::Failed;
}

}  // namespace halvo
