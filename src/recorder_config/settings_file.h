#pragma once

#include <string>
#include <string_view>

#include "app/prompts.h"
#include "language/language_id.h"
#include "recorder_config/camera_settings.h"
#include "recorder_config/local_time.h"
#include "recorder_config/settings_record.h"

namespace halvo {

// The settings file of a drive entry, joined without a doubled separator.
std::string SettingsFilePath(std::string_view targetDrive);

struct RecordWriteResult {
  enum class Status { Written, OpenFailed, WriteFailed };
  Status status = Status::Written;
  int error = 0;  // errno of the failing step
};

// Writes the record in one write into a sibling temporary file, syncs it and renames it over
// `path`, so that a full or pulled card keeps its previous settings file intact.
RecordWriteResult WriteSettingsRecord(const std::string& path, const SettingsRecord& record);

// The message for a failed write, naming the file and the system's text for the cause.
std::u16string WriteErrorText(const std::string& path, int error);

// Success caption and text in the user's language.
std::u16string SaveSuccessCaption(LanguageId language);
std::u16string SaveSuccessText(LanguageId language);

// Encodes and writes the settings to the drive entry's settings file and tells the user the
// outcome; true only when the record reached the card.
bool SaveSettingsFile(const CameraSettings& settings, LanguageId language, Prompts& prompts,
                      const LocalTimeSource& clock = SystemLocalTime);

}  // namespace halvo
