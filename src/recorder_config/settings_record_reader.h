#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "recorder_config/camera_settings.h"
#include "recorder_config/local_time.h"

namespace halvo {

// What a settings record carries, field by field. Fields the record does not carry in its
// frame-rate mode (or at all, like the mute switch, which only zeroes the volume) are empty.
// Choice fields keep their recorded number so that unknown values still show.
struct RecordedSettings {
  RecordMode recordMode = RecordMode::MotionJpeg;
  std::optional<std::string> recordResolution;  // empty for a code the recorder does not name
  FrameRateMode frameRateMode = FrameRateMode::FramesPerSecond;
  std::optional<int> framesPerSecond;
  std::optional<int> frameIntervalMinutes;
  std::optional<int> frameIntervalSeconds;
  std::optional<int> clipMinutes;
  std::optional<int> clipSeconds;
  int micVolume = 0;
  bool looping = false;
  bool timestamp = false;
  int bandingFilter = 0;
  int lcdLight = 0;
  bool scheduleRecord = false;
  bool rotateRecord = false;
  bool parkingRecord = false;
  bool backlightOff = false;
  std::u16string idCode;  // each recorded byte as one character
  int windowFilm = 0;
  int tvOutSystem = 0;
  bool motionDetection = false;
  std::optional<int> estimateDays;
  std::optional<int> estimateHours;
  std::optional<int> estimateMinutes;
  // The three date-and-time blocks as written; weekday as the recorder counts it
  // (1 = Sunday .. 7 = Saturday, 0 = clock unreadable). Schedule blocks are empty when absent.
  LocalTime clock;
  std::optional<LocalTime> scheduleStart;
  std::optional<LocalTime> scheduleStop;
};

// Nothing unless the bytes are exactly one record with the magic.
std::optional<RecordedSettings> ReadSettingsRecord(std::span<const uint8_t> bytes);

}  // namespace halvo
