#include "dump_command.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <vector>

#include "language/text.h"
#include "recorder_config/settings_record.h"
#include "recorder_config/settings_record_reader.h"

namespace halvo {
namespace {

using nlohmann::json;

template <typename T>
json OrNull(const std::optional<T>& value) {
  return value ? json(*value) : json(nullptr);
}

// A recorded choice by the word the write command takes; an unknown number stays a number.
json Word(int value, std::initializer_list<const char*> words) {
  if (value >= 0 && static_cast<size_t>(value) < words.size()) return words.begin()[value];
  return value;
}

json Clock(const LocalTime& t) {
  return {{"year", t.year},     {"month", t.month},   {"day", t.day},        {"hour", t.hour},
          {"minute", t.minute}, {"second", t.second}, {"weekday", t.weekday}};
}

json ToJson(const RecordedSettings& s) {
  const auto start = s.scheduleStart, stop = s.scheduleStop;
  return {
      {"recordMode", s.recordMode == RecordMode::MotionJpeg ? "mjpeg" : "mpeg4"},
      {"recordResolution", OrNull(s.recordResolution)},
      {"frameRateMode", s.frameRateMode == FrameRateMode::TimePerFrame ? "tpf" : "fps"},
      {"framesPerSecond", OrNull(s.framesPerSecond)},
      {"frameIntervalMinutes", OrNull(s.frameIntervalMinutes)},
      {"frameIntervalSeconds", OrNull(s.frameIntervalSeconds)},
      {"clipMinutes", OrNull(s.clipMinutes)},
      {"clipSeconds", OrNull(s.clipSeconds)},
      {"micVolume", s.micVolume},
      // Muting is recorded as volume 0 only.
      {"muteRecording", nullptr},
      {"looping", s.looping},
      {"timestamp", s.timestamp},
      {"bandingFilter", Word(s.bandingFilter, {"auto", "50", "60"})},
      {"lcdLight", Word(s.lcdLight, {"less", "mid", "more"})},
      {"scheduleRecord", s.scheduleRecord},
      {"scheduleStartHour", start ? json(start->hour) : json(nullptr)},
      {"scheduleStartMinute", start ? json(start->minute) : json(nullptr)},
      {"scheduleStopHour", stop ? json(stop->hour) : json(nullptr)},
      {"scheduleStopMinute", stop ? json(stop->minute) : json(nullptr)},
      {"rotateRecord", s.rotateRecord},
      {"parkingRecord", s.parkingRecord},
      {"backlightOff", s.backlightOff},
      {"idCode", ToUtf8(s.idCode)},
      {"windowFilm", Word(s.windowFilm, {"yes", "no"})},
      {"tvOutSystem", Word(s.tvOutSystem, {"ntsc", "pal"})},
      {"motionDetection", s.motionDetection},
      {"estimateDays", OrNull(s.estimateDays)},
      {"estimateHours", OrNull(s.estimateHours)},
      {"estimateMinutes", OrNull(s.estimateMinutes)},
      {"clock", Clock(s.clock)},
      {"scheduleStart", start ? Clock(*start) : json(nullptr)},
      {"scheduleStop", stop ? Clock(*stop) : json(nullptr)},
  };
}

}  // namespace

int RunDump(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << "halvo-settings: can not read " << path << "\n";
    return 1;
  }
  // One byte more than a record is enough to tell a longer file.
  std::vector<uint8_t> bytes(kSettingsRecordSize + 1);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(in.gcount()));
  const auto settings = ReadSettingsRecord(bytes);
  if (!settings) {
    std::cerr << "halvo-settings: " << path
              << " is not a settings record (expected exactly 160 bytes starting with the "
                 "record's magic)\n";
    return 2;
  }
  std::cout << ToJson(*settings).dump(2) << "\n";
  return 0;
}

}  // namespace halvo
