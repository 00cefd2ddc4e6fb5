#include "write_command.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <iostream>

#include "field_values.h"
#include "language/text.h"
#include "recorder_config/camera_settings.h"
#include "recorder_config/settings_file.h"
#include "recorder_config/settings_record.h"

namespace halvo {
namespace {

// A colon-separated value, checked; `why` is left set when it is wrong.
std::optional<std::vector<int>> Numbers(const std::string& text, size_t count,
                                        std::string (*check)(const std::vector<int>&),
                                        std::string& why, const char* format) {
  const auto numbers = ParseColonNumbers(text, count);
  if (!numbers) {
    why = std::string("expected ") + format;
    return std::nullopt;
  }
  why = check(*numbers);
  if (!why.empty()) return std::nullopt;
  return numbers;
}

}  // namespace

int InvalidValue(const std::string& option, const std::string& value, const std::string& why) {
  std::cerr << "halvo-settings: invalid value '" << value << "' for " << option << ": " << why
            << "\n";
  return 2;
}

CLI::App* AddWriteCommand(CLI::App& app, WriteOptions& o) {
  CLI::App* write = app.add_subcommand("write", "Write a settings record to a file");
  write->add_option("--out", o.out, "File to write (e.g. the card's settings.ini)")->required();
  write->add_option("--time", o.time, "Clock for the record, YYYY-MM-DDTHH:MM:SS (default: now)");
  write->add_option("--record-mode", o.recordMode)->check(CLI::IsMember({"mjpeg", "mpeg4"}));
  write->add_option("--record-resolution", o.recordResolution)
      ->check(CLI::IsMember({"1360x1020", "1280x960", "640x480", "320x240"}));
  write->add_option("--frame-rate-mode", o.frameRateMode)->check(CLI::IsMember({"fps", "tpf"}));
  write->add_option("--frames-per-second", o.framesPerSecond)->check(CLI::Range(1, 30));
  write->add_option("--frame-interval", o.frameInterval, "Time per frame M:S, 0:01..10:00");
  write->add_option("--clip", o.clip, "Clip length M:S");
  write->add_option("--mic-volume", o.micVolume)->check(CLI::Range(0, 10));
  write->add_flag("--mute-recording", o.muteRecording);
  write->add_flag("--looping", o.looping);
  write->add_flag("--timestamp", o.timestamp);
  write->add_option("--banding-filter", o.bandingFilter)
      ->check(CLI::IsMember({"auto", "50", "60"}));
  write->add_option("--lcd-light", o.lcdLight)->check(CLI::IsMember({"less", "mid", "more"}));
  write->add_flag("--schedule-record", o.scheduleRecord);
  write->add_option("--schedule-start", o.scheduleStart, "H:M");
  write->add_option("--schedule-stop", o.scheduleStop, "H:M");
  write->add_flag("--rotate-record", o.rotateRecord);
  write->add_flag("--parking-record", o.parkingRecord);
  write->add_flag("--backlight-off", o.backlightOff);
  write->add_option("--id-code", o.idCode, "Up to 8 characters, stored in upper case");
  write->add_option("--window-film", o.windowFilm)->check(CLI::IsMember({"yes", "no"}));
  write->add_option("--tv-out", o.tvOut)->check(CLI::IsMember({"ntsc", "pal"}));
  write->add_flag("--motion-detection", o.motionDetection);
  write->add_option("--estimate", o.estimate, "Recording-time estimate D:H:M");
  return write;
}

int RunWrite(const WriteOptions& o) {
  std::string why;
  const auto interval = Numbers(
      o.frameInterval, 2, [](const std::vector<int>& v) { return CheckFrameInterval(v[0], v[1]); },
      why, "M:S");
  if (!interval) return InvalidValue("--frame-interval", o.frameInterval, why);
  const auto clip = Numbers(
      o.clip, 2, [](const std::vector<int>& v) { return CheckClip(v[0], v[1]); }, why, "M:S");
  if (!clip) return InvalidValue("--clip", o.clip, why);
  const auto hourMinute = [](const std::vector<int>& v) { return CheckHourMinute(v[0], v[1]); };
  const auto start = Numbers(o.scheduleStart, 2, hourMinute, why, "H:M");
  if (!start) return InvalidValue("--schedule-start", o.scheduleStart, why);
  const auto stop = Numbers(o.scheduleStop, 2, hourMinute, why, "H:M");
  if (!stop) return InvalidValue("--schedule-stop", o.scheduleStop, why);
  const auto estimate = Numbers(
      o.estimate, 3, [](const std::vector<int>& v) { return CheckEstimate(v[0], v[1], v[2]); }, why,
      "D:H:M");
  if (!estimate) return InvalidValue("--estimate", o.estimate, why);
  if (why = CheckIdCode(o.idCode); !why.empty()) return InvalidValue("--id-code", o.idCode, why);
  std::optional<LocalTime> time;
  if (!o.time.empty()) {
    time = ParseLocalTime(o.time);
    if (!time) return InvalidValue("--time", o.time, "expected a real date as YYYY-MM-DDTHH:MM:SS");
  }

  CameraSettings s;
  s.recordMode = o.recordMode == "mpeg4" ? RecordMode::Mpeg4 : RecordMode::MotionJpeg;
  s.recordResolution = o.recordResolution;
  s.frameRateMode =
      o.frameRateMode == "tpf" ? FrameRateMode::TimePerFrame : FrameRateMode::FramesPerSecond;
  s.framesPerSecond = o.framesPerSecond;
  s.frameIntervalMinutes = (*interval)[0];
  s.frameIntervalSeconds = (*interval)[1];
  s.clipMinutes = (*clip)[0];
  s.clipSeconds = (*clip)[1];
  s.micVolume = o.micVolume;
  s.muteRecording = o.muteRecording;
  s.looping = o.looping;
  s.timestamp = o.timestamp;
  s.bandingFilter = o.bandingFilter == "auto" ? BandingFilter::Auto
                    : o.bandingFilter == "50" ? BandingFilter::Hz50
                                              : BandingFilter::Hz60;
  s.lcdLight = o.lcdLight == "less"  ? LcdLight::Less
               : o.lcdLight == "mid" ? LcdLight::Mid
                                     : LcdLight::More;
  s.scheduleRecord = o.scheduleRecord;
  s.scheduleStartHour = (*start)[0];
  s.scheduleStartMinute = (*start)[1];
  s.scheduleStopHour = (*stop)[0];
  s.scheduleStopMinute = (*stop)[1];
  s.rotateRecord = o.rotateRecord;
  s.parkingRecord = o.parkingRecord;
  s.backlightOff = o.backlightOff;
  for (const char c : o.idCode) {
    s.idCode.push_back(static_cast<char16_t>(std::toupper(static_cast<unsigned char>(c))));
  }
  s.windowFilm = o.windowFilm == "no" ? WindowFilm::NoWindowFilm : WindowFilm::WindowFilm;
  s.tvOutSystem = o.tvOut == "pal" ? TvOutSystem::Pal : TvOutSystem::Ntsc;
  s.motionDetection = o.motionDetection;
  s.estimateDays = (*estimate)[0];
  s.estimateHours = (*estimate)[1];
  s.estimateMinutes = (*estimate)[2];

  const LocalTimeSource clock =
      time ? LocalTimeSource([time] { return time; }) : LocalTimeSource(SystemLocalTime);
  const RecordWriteResult result = WriteSettingsRecord(o.out, *EncodeSettings(s, clock));
  if (result.status == RecordWriteResult::Status::OpenFailed) {
    std::cerr << "halvo-settings: can not create " << o.out << ": " << std::strerror(result.error)
              << "\n";
    return 1;
  }
  if (result.status == RecordWriteResult::Status::WriteFailed) {
    std::cerr << "halvo-settings: " << ToUtf8(WriteErrorText(o.out, result.error)) << "\n";
    return 1;
  }
  return 0;
}

}  // namespace halvo
