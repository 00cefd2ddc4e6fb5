#include "recorder_config/settings_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recorder_config/settings_record_reader.h"

namespace halvo {
namespace {

// Wednesday 17 March 2010, 14:05:09.
constexpr LocalTime kSaveTime{2010, 3, 17, 14, 5, 9, 3};

LocalTimeSource FixedClock(LocalTime time = kSaveTime) {
  return [time] { return std::optional<LocalTime>(time); };
}

SettingsRecord Encode(const CameraSettings& settings, const LocalTimeSource& clock = FixedClock()) {
  const auto record = EncodeSettings(settings, clock);
  EXPECT_TRUE(record.has_value());
  return record.value_or(SettingsRecord{});
}

std::vector<uint8_t> Bytes(const SettingsRecord& record, size_t first, size_t last) {
  return {record.begin() + first, record.begin() + last + 1};
}

TEST(EncodeSettings, DefaultsGiveTheWorkedExampleByteForByte) {
  const char* const rows[] = {
      "4E 55 56 4F 54 4F 4E 00 00 02 00 01 01 04 00 07",
      "01 06 00 0F 01 12 02 58 01 14 00 06 01 16 00 00",
      "01 20 00 00 00 18 00 01 00 22 00 02 00 24 00 02",
      "00 26 07 DA 00 03 00 11 00 0E 00 05 00 09 00 04",
      "01 28 00 00 01 34 00 00 00 00 00 00 00 00 00 00",
      "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
      "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
      "00 13 00 00 00 90 00 00 00 92 00 00 00 94 00 00",
      "00 00 00 00 00 00 00 00 01 96 00 00 00 98 00 00",
      "00 9A 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
  };
  std::vector<uint8_t> expected;
  for (const std::string row : rows) {
    for (size_t at = 0; at < row.size(); at += 3) {
      expected.push_back(static_cast<uint8_t>(std::stoi(row.substr(at, 2), nullptr, 16)));
    }
  }
  const SettingsRecord record = Encode(CameraSettings{});
  EXPECT_EQ(std::vector<uint8_t>(record.begin(), record.end()), expected);
}

TEST(EncodeSettings, Mpeg4ClearsEveryMotionJpegFlagAndKeepsTagsAndValues) {
  CameraSettings settings;
  settings.recordMode = RecordMode::Mpeg4;
  const SettingsRecord mpeg4 = Encode(settings);
  const SettingsRecord mjpeg = Encode(CameraSettings{});
  for (size_t offset : {11, 12, 16, 20, 24, 28, 32, 64, 68, 136}) {
    EXPECT_EQ(mpeg4[offset], 0) << "byte " << offset;
  }
  for (size_t offset = 0; offset < kSettingsRecordSize; ++offset) {
    if (offset == 11 || offset == 12 || offset == 16 || offset == 20 || offset == 24 ||
        offset == 28 || offset == 32 || offset == 64 || offset == 68 || offset == 136) {
      continue;
    }
    EXPECT_EQ(mpeg4[offset], mjpeg[offset]) << "byte " << offset;
  }
}

TEST(EncodeSettings, TimePerFrameCarriesIntervalAndEstimate) {
  CameraSettings settings;
  settings.frameRateMode = FrameRateMode::TimePerFrame;
  settings.frameIntervalMinutes = 0;
  settings.frameIntervalSeconds = 30;
  settings.estimateDays = 1;
  settings.estimateHours = 2;
  settings.estimateMinutes = 30;
  const SettingsRecord record = Encode(settings);
  EXPECT_EQ(Bytes(record, 16, 23),
            (std::vector<uint8_t>{0x01, 0x08, 0x00, 0x1E, 0x01, 0x12, 0x07, 0x08}));
  EXPECT_EQ(Bytes(record, 112, 115), (std::vector<uint8_t>{0x01, 0x13, 0x00, 0x1A}));
}

TEST(EncodeSettings, SingleFieldRules) {
  struct Case {
    const char* name;
    void (*change)(CameraSettings&);
    size_t first;
    std::vector<uint8_t> bytes;
  };
  const Case cases[] = {
      {"mute zeroes the volume",
       [](CameraSettings& s) { s.micVolume = 9, s.muteRecording = true; },
       24,
       {0x01, 0x14, 0x00, 0x00}},
      {"volume low byte",
       [](CameraSettings& s) { s.micVolume = 10; },
       24,
       {0x01, 0x14, 0x00, 0x0A}},
      {"frames per second keeps only its low byte",
       [](CameraSettings& s) { s.framesPerSecond = 300; },
       16,
       {0x01, 0x06, 0x00, 0x2C}},
      {"clip length in seconds",
       [](CameraSettings& s) { s.clipMinutes = 150, s.clipSeconds = 59; },
       20,
       {0x01, 0x12, 0x23, 0x63}},
      {"1280x960", [](CameraSettings& s) { s.recordResolution = "1280x960"; }, 12, {1, 4, 0, 9}},
      {"320x240", [](CameraSettings& s) { s.recordResolution = "320x240"; }, 12, {1, 4, 0, 5}},
      {"1360x1020 has no code",
       [](CameraSettings& s) { s.recordResolution = "1360x1020"; },
       12,
       {1, 4, 0, 0}},
      {"looping", [](CameraSettings& s) { s.looping = true; }, 28, {1, 0x16, 0, 1}},
      {"timestamp", [](CameraSettings& s) { s.timestamp = true; }, 32, {1, 0x20, 0, 1}},
      {"banding auto",
       [](CameraSettings& s) { s.bandingFilter = BandingFilter::Auto; },
       40,
       {0, 0x22, 0, 0}},
      {"banding 50",
       [](CameraSettings& s) { s.bandingFilter = BandingFilter::Hz50; },
       40,
       {0, 0x22, 0, 1}},
      {"lcd mid", [](CameraSettings& s) { s.lcdLight = LcdLight::Mid; }, 44, {0, 0x24, 0, 1}},
      {"rotate", [](CameraSettings& s) { s.rotateRecord = true; }, 68, {1, 0x34, 0, 1}},
      {"parking", [](CameraSettings& s) { s.parkingRecord = true; }, 116, {0, 0x90, 0, 0x78}},
      {"backlight", [](CameraSettings& s) { s.backlightOff = true; }, 120, {0, 0x92, 0, 0x14}},
      {"id code A B 1 2",
       [](CameraSettings& s) { s.idCode = u"AB12"; },
       124,
       {0, 0x94, 0, 1, 0x41, 0x42, 0x31, 0x32, 0, 0, 0, 0}},
      {"id code keeps eight low bytes",
       [](CameraSettings& s) { s.idCode = u"ABCDEFGHIJ\u0141"; },
       124,
       {0, 0x94, 0, 1, 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'}},
      {"no window film",
       [](CameraSettings& s) { s.windowFilm = WindowFilm::NoWindowFilm; },
       136,
       {1, 0x96, 0, 1}},
      {"pal", [](CameraSettings& s) { s.tvOutSystem = TvOutSystem::Pal; }, 140, {0, 0x98, 0, 1}},
      {"motion detection",
       [](CameraSettings& s) { s.motionDetection = true; },
       144,
       {0, 0x9A, 0, 1}},
  };
  for (const Case& c : cases) {
    CameraSettings settings;
    c.change(settings);
    EXPECT_EQ(Bytes(Encode(settings), c.first, c.first + c.bytes.size() - 1), c.bytes) << c.name;
  }
  EXPECT_EQ(Bytes(Encode(CameraSettings{}), 124, 135),
            (std::vector<uint8_t>{0, 0x94, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(EncodeSettings, ScheduleBlocksTakeTheirOwnClockReadingAndTheScheduleTimes) {
  std::vector<LocalTime> readings = {
      {2010, 3, 17, 14, 5, 9, 3}, {2010, 3, 17, 14, 5, 10, 3}, {2011, 1, 1, 0, 0, 11, 6}};
  size_t asked = 0;
  const LocalTimeSource clock = [&]() -> std::optional<LocalTime> { return readings.at(asked++); };

  CameraSettings off;
  EXPECT_EQ(Bytes(Encode(off, clock), 80, 111), std::vector<uint8_t>(32, 0));
  EXPECT_EQ(asked, 1u);

  asked = 0;
  CameraSettings on;
  on.scheduleRecord = true;
  on.scheduleStartHour = 7;
  on.scheduleStartMinute = 45;
  on.scheduleStopHour = 23;
  on.scheduleStopMinute = 59;
  const SettingsRecord record = Encode(on, clock);
  EXPECT_EQ(asked, 3u);
  EXPECT_EQ(Bytes(record, 64, 67), (std::vector<uint8_t>{1, 0x28, 0, 1}));
  EXPECT_EQ(Bytes(record, 80, 95),
            (std::vector<uint8_t>{1, 0x30, 0x07, 0xDA, 0, 3, 0, 17, 0, 7, 0, 45, 0, 10, 0, 4}));
  EXPECT_EQ(Bytes(record, 96, 111),
            (std::vector<uint8_t>{1, 0x32, 0x07, 0xDB, 0, 1, 0, 1, 0, 23, 0, 59, 0, 11, 0, 7}));

  on.recordMode = RecordMode::Mpeg4;
  asked = 0;
  const SettingsRecord mpeg4 = Encode(on, clock);
  EXPECT_EQ(mpeg4[80], 0);
  EXPECT_EQ(mpeg4[81], 0x30);
  EXPECT_EQ(mpeg4[96], 0);
  EXPECT_EQ(mpeg4[97], 0x32);
}

TEST(EncodeSettings, UnreadableClockGivesWeekdayZero) {
  const LocalTimeSource broken = [] { return std::optional<LocalTime>(); };
  const SettingsRecord record = Encode(CameraSettings{}, broken);
  EXPECT_EQ(Bytes(record, 48, 63),
            (std::vector<uint8_t>{0, 0x26, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(EncodeSettings, RefusesUnsetBandingFilterOrLcdLight) {
  CameraSettings noBanding;
  noBanding.bandingFilter.reset();
  EXPECT_FALSE(EncodeSettings(noBanding, FixedClock()).has_value());
  CameraSettings noLight;
  noLight.lcdLight.reset();
  EXPECT_FALSE(EncodeSettings(noLight, FixedClock()).has_value());
}

TEST(ReadSettingsRecord, GivesBackWhatWasEncoded) {
  CameraSettings fps;
  fps.recordMode = RecordMode::Mpeg4;
  fps.recordResolution = "320x240";
  fps.framesPerSecond = 30;
  fps.clipMinutes = 30;
  fps.clipSeconds = 5;
  fps.micVolume = 3;
  fps.looping = fps.timestamp = fps.rotateRecord = fps.parkingRecord = true;
  fps.backlightOff = fps.motionDetection = fps.scheduleRecord = true;
  fps.bandingFilter = BandingFilter::Hz50;
  fps.lcdLight = LcdLight::Less;
  fps.scheduleStartHour = 6;
  fps.scheduleStopMinute = 30;
  fps.idCode = u"CAR7";
  fps.windowFilm = WindowFilm::NoWindowFilm;
  fps.tvOutSystem = TvOutSystem::Pal;
  const auto read = ReadSettingsRecord(Encode(fps));
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->recordMode, RecordMode::Mpeg4);
  EXPECT_EQ(read->recordResolution, "320x240");
  EXPECT_EQ(read->frameRateMode, FrameRateMode::FramesPerSecond);
  EXPECT_EQ(read->framesPerSecond, 30);
  EXPECT_EQ(read->clipMinutes, 30);
  EXPECT_EQ(read->clipSeconds, 5);
  EXPECT_FALSE(read->frameIntervalSeconds.has_value());
  EXPECT_FALSE(read->estimateDays.has_value());
  EXPECT_EQ(read->micVolume, 3);
  EXPECT_TRUE(read->looping && read->timestamp && read->rotateRecord && read->parkingRecord &&
              read->backlightOff && read->motionDetection && read->scheduleRecord);
  EXPECT_EQ(read->bandingFilter, 1);
  EXPECT_EQ(read->lcdLight, 0);
  EXPECT_EQ(read->idCode, u"CAR7");
  EXPECT_EQ(read->windowFilm, 1);
  EXPECT_EQ(read->tvOutSystem, 1);
  EXPECT_EQ(read->clock, (LocalTime{2010, 3, 17, 14, 5, 9, 4}));
  ASSERT_TRUE(read->scheduleStart && read->scheduleStop);
  EXPECT_EQ(read->scheduleStart->hour, 6);
  EXPECT_EQ(read->scheduleStop->minute, 30);

  CameraSettings tpf;
  tpf.frameRateMode = FrameRateMode::TimePerFrame;
  tpf.frameIntervalMinutes = 10;
  tpf.frameIntervalSeconds = 0;
  tpf.estimateDays = 17;
  tpf.estimateHours = 18;
  tpf.estimateMinutes = 40;
  const auto readTpf = ReadSettingsRecord(Encode(tpf));
  ASSERT_TRUE(readTpf.has_value());
  EXPECT_EQ(readTpf->frameRateMode, FrameRateMode::TimePerFrame);
  EXPECT_EQ(readTpf->frameIntervalMinutes, 10);
  EXPECT_EQ(readTpf->frameIntervalSeconds, 0);
  EXPECT_EQ(readTpf->estimateDays, 17);
  EXPECT_EQ(readTpf->estimateHours, 18);
  EXPECT_EQ(readTpf->estimateMinutes, 40);
  EXPECT_FALSE(readTpf->clipMinutes.has_value());
  EXPECT_FALSE(readTpf->scheduleStart.has_value());
}

TEST(ReadSettingsRecord, RefusesWrongSizeOrMagic) {
  const SettingsRecord record = Encode(CameraSettings{});
  EXPECT_FALSE(ReadSettingsRecord(std::span(record).first(159)).has_value());
  std::vector<uint8_t> longer(record.begin(), record.end());
  longer.push_back(0);
  EXPECT_FALSE(ReadSettingsRecord(longer).has_value());
  SettingsRecord wrongMagic = record;
  wrongMagic[7] = ' ';
  EXPECT_FALSE(ReadSettingsRecord(wrongMagic).has_value());
}

}  // namespace
}  // namespace halvo
