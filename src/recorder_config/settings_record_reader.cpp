#include "recorder_config/settings_record_reader.h"

#include <algorithm>

#include "recorder_config/settings_record.h"

namespace halvo {
namespace {

class RecordView {
 public:
  explicit RecordView(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  int Byte(size_t offset) const { return bytes_[offset]; }
  int Word(size_t offset) const { return (bytes_[offset] << 8) | bytes_[offset + 1]; }
  // The value of the item at `offset`: its first word.
  int Value(size_t offset) const { return Word(offset + 2); }

  LocalTime ClockBlock(size_t offset) const {
    return LocalTime{Value(offset),     Word(offset + 4),  Word(offset + 6), Word(offset + 8),
                     Word(offset + 10), Word(offset + 12), Word(offset + 14)};
  }

 private:
  std::span<const uint8_t> bytes_;
};

std::optional<std::string> ResolutionText(int code) {
  for (const char* text : {"1280x960", "640x480", "320x240"}) {
    if (ResolutionCode(text) == code) return text;
  }
  return std::nullopt;
}

}  // namespace

std::optional<RecordedSettings> ReadSettingsRecord(std::span<const uint8_t> bytes) {
  if (bytes.size() != kSettingsRecordSize ||
      !std::equal(kSettingsMagic.begin(), kSettingsMagic.end(), bytes.begin())) {
    return std::nullopt;
  }
  const RecordView in(bytes);
  RecordedSettings s;
  s.recordMode = in.Value(8) == 1 ? RecordMode::MotionJpeg : RecordMode::Mpeg4;
  s.recordResolution = ResolutionText(in.Value(12));
  if (in.Byte(17) == 8) {
    s.frameRateMode = FrameRateMode::TimePerFrame;
    s.frameIntervalMinutes = in.Value(16) / 60;
    s.frameIntervalSeconds = in.Value(16) % 60;
    const int hours = in.Value(112);
    s.estimateDays = hours / 24;
    s.estimateHours = hours % 24;
    s.estimateMinutes = in.Value(20) / 60;
  } else {
    s.frameRateMode = FrameRateMode::FramesPerSecond;
    s.framesPerSecond = in.Value(16);
    s.clipMinutes = in.Value(20) / 60;
    s.clipSeconds = in.Value(20) % 60;
  }
  s.micVolume = in.Value(24);
  s.looping = in.Value(28) != 0;
  s.timestamp = in.Value(32) != 0;
  s.bandingFilter = in.Value(40);
  s.lcdLight = in.Value(44);
  s.clock = in.ClockBlock(48);
  s.scheduleRecord = in.Value(64) != 0;
  s.rotateRecord = in.Value(68) != 0;
  if (in.Byte(81) != 0) s.scheduleStart = in.ClockBlock(80);
  if (in.Byte(97) != 0) s.scheduleStop = in.ClockBlock(96);
  s.parkingRecord = in.Value(116) != 0;
  s.backlightOff = in.Value(120) != 0;
  for (size_t i = 128; i < 136 && bytes[i] != 0; ++i) s.idCode.push_back(bytes[i]);
  s.windowFilm = in.Value(136);
  s.tvOutSystem = in.Value(140);
  s.motionDetection = in.Value(144) != 0;
  return s;
}

}  // namespace halvo
