#include "recorder_config/settings_record.h"

#include <algorithm>

namespace halvo {
namespace {

// Every item is a flag byte, a tag byte and big-endian 16-bit words.
class RecordWriter {
 public:
  explicit RecordWriter(SettingsRecord& record) : record_(record) {}

  void Item(size_t offset, uint8_t flag, uint8_t tag, int word) {
    record_[offset] = flag;
    record_[offset + 1] = tag;
    Word(offset + 2, word);
  }
  // Items whose value the recorder reads from the low byte only.
  void LowByteItem(size_t offset, uint8_t flag, uint8_t tag, int value) {
    Item(offset, flag, tag, value & 0xFF);
  }
  // Year as a full word, the other six from their low byte.
  void ClockBlock(size_t offset, uint8_t flag, uint8_t tag, const std::optional<LocalTime>& now,
                  std::optional<std::pair<int, int>> hourMinute = std::nullopt) {
    const LocalTime reading = now.value_or(LocalTime{});
    const int hour = hourMinute ? hourMinute->first : reading.hour;
    const int minute = hourMinute ? hourMinute->second : reading.minute;
    // Recorder weekdays run 1 = Sunday .. 7 = Saturday; 0 marks an unreadable clock.
    const int weekday = now ? reading.weekday + 1 : 0;
    record_[offset] = flag;
    record_[offset + 1] = tag;
    Word(offset + 2, reading.year);
    const int lowByteWords[] = {reading.month, reading.day, hour, minute, reading.second, weekday};
    for (size_t i = 0; i < std::size(lowByteWords); ++i) {
      Word(offset + 4 + 2 * i, lowByteWords[i] & 0xFF);
    }
  }

 private:
  void Word(size_t offset, int value) {
    record_[offset] = static_cast<uint8_t>((value >> 8) & 0xFF);
    record_[offset + 1] = static_cast<uint8_t>(value & 0xFF);
  }

  SettingsRecord& record_;
};

}  // namespace

int ResolutionCode(std::string_view recordResolution) {
  if (recordResolution == "1280x960") return 9;
  if (recordResolution == "640x480") return 7;
  if (recordResolution == "320x240") return 5;
  return 0;
}

std::optional<SettingsRecord> EncodeSettings(const CameraSettings& s,
                                             const LocalTimeSource& clock) {
  if (!s.bandingFilter || !s.lcdLight) return std::nullopt;

  SettingsRecord record{};
  std::copy(kSettingsMagic.begin(), kSettingsMagic.end(), record.begin());
  RecordWriter out(record);
  const bool motionJpeg = s.recordMode == RecordMode::MotionJpeg;
  const bool timePerFrame = s.frameRateMode == FrameRateMode::TimePerFrame;
  const uint8_t mj = motionJpeg ? 1 : 0;

  out.Item(8, 0, 2, motionJpeg ? 1 : 0);
  out.Item(12, mj, 4, ResolutionCode(s.recordResolution));
  if (timePerFrame) {
    out.Item(16, mj, 8, s.frameIntervalMinutes * 60 + s.frameIntervalSeconds);
    out.Item(20, mj, 18, s.estimateMinutes * 60);
  } else {
    out.LowByteItem(16, mj, 6, s.framesPerSecond);
    out.Item(20, mj, 18, s.clipMinutes * 60 + s.clipSeconds);
  }
  out.LowByteItem(24, mj, 20, s.muteRecording ? 0 : s.micVolume);
  out.LowByteItem(28, mj, 22, s.looping ? 1 : 0);
  out.LowByteItem(32, mj, 32, s.timestamp ? 1 : 0);
  out.LowByteItem(36, 0, 24, 1);
  out.LowByteItem(40, 0, 34, static_cast<int>(*s.bandingFilter));
  out.LowByteItem(44, 0, 36, static_cast<int>(*s.lcdLight));
  out.ClockBlock(48, 0, 38, clock());
  out.LowByteItem(64, mj, 40, s.scheduleRecord ? 1 : 0);
  out.LowByteItem(68, mj, 52, s.rotateRecord ? 1 : 0);
  if (s.scheduleRecord) {
    out.ClockBlock(80, mj, 48, clock(), std::pair{s.scheduleStartHour, s.scheduleStartMinute});
    out.ClockBlock(96, mj, 50, clock(), std::pair{s.scheduleStopHour, s.scheduleStopMinute});
  }
  if (timePerFrame) {
    out.Item(112, 1, 19, s.estimateDays * 24 + s.estimateHours);
  } else {
    out.Item(112, 0, 19, 0);
  }
  out.LowByteItem(116, 0, 144, s.parkingRecord ? 120 : 0);
  out.LowByteItem(120, 0, 146, s.backlightOff ? 20 : 0);
  out.LowByteItem(124, 0, 148, s.idCode.empty() ? 0 : 1);
  for (size_t i = 0; i < 8 && i < s.idCode.size(); ++i) {
    record[128 + i] = static_cast<uint8_t>(s.idCode[i] & 0xFF);
  }
  out.LowByteItem(136, mj, 150, static_cast<int>(s.windowFilm));
  out.LowByteItem(140, 0, 152, static_cast<int>(s.tvOutSystem));
  out.LowByteItem(144, 0, 154, s.motionDetection ? 1 : 0);
  return record;
}

}  // namespace halvo
