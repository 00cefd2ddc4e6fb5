#pragma once

#include <string>

#include "app/prompts.h"

namespace halvo {

enum class FormatOutcome {
  Declined,        // the user said no; the card is untouched
  Refused,         // not a removable card, or no permission; nothing was done
  Formatted,       // fresh file system, mounted again at the drive entry
  Failed,          // not formatted (or not completely); the card is mounted again
  CardNotMounted,  // the card could not be mounted again: saving to the entry would miss it
};

// Formats the recorder's card before the settings are saved to it.
class CardFormatter {
 public:
  virtual ~CardFormatter() = default;
  // Asks for confirmation, formats by the card's size and `quickFormat`, and tells the user
  // about every failure; success is left for the save to announce.
  virtual FormatOutcome FormatCard(const std::string& driveEntry, bool quickFormat,
                                   Prompts& prompts) = 0;
};

}  // namespace halvo
