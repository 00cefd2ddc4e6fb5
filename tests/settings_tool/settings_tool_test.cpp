// Runs the built halvo-settings the way a script would.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "recorder_config/settings_record.h"
#include "support/temp_folder.h"
#include "support/tool_run.h"

namespace halvo {
namespace {

class SettingsToolTest : public ::testing::Test {
 protected:
  static ToolRun Tool(const std::string& arguments) {
    return RunTool(ToolPath("settings/halvo-settings") + " " + arguments);
  }

  TempFolder folder;
};

TEST_F(SettingsToolTest, WriteWithDefaultsIsTheDialogsRecordAtTheGivenTime) {
  const std::string out = folder / "settings.ini";
  WriteBytes(out, std::vector<uint8_t>(1000, 1));
  const ToolRun run = Tool("write --out " + out + " --time 2010-03-17T14:05:09");
  ASSERT_EQ(run.status, 0) << run.err;
  const LocalTimeSource clock = [] {
    return std::optional<LocalTime>(LocalTime{2010, 3, 17, 14, 5, 9, 3});
  };
  const SettingsRecord expected = *EncodeSettings(CameraSettings{}, clock);
  EXPECT_EQ(ReadBytes(out), std::vector<uint8_t>(expected.begin(), expected.end()));
}

TEST_F(SettingsToolTest, DumpGivesBackTheWrittenFields) {
  struct Case {
    std::string options;
    nlohmann::json fields;
  };
  const Case cases[] = {
      {"--record-mode mpeg4 --record-resolution 320x240 --frames-per-second 30 --clip 30:05 "
       "--mic-volume 3 --looping --timestamp --banding-filter 50 --lcd-light less "
       "--schedule-record --schedule-start 6:15 --schedule-stop 22:45 --rotate-record "
       "--parking-record --backlight-off --id-code ab12 --window-film no --tv-out pal "
       "--motion-detection --time 2024-02-29T23:59:58",
       {{"recordMode", "mpeg4"},
        {"recordResolution", "320x240"},
        {"frameRateMode", "fps"},
        {"framesPerSecond", 30},
        {"clipMinutes", 30},
        {"clipSeconds", 5},
        {"frameIntervalMinutes", nullptr},
        {"micVolume", 3},
        {"looping", true},
        {"timestamp", true},
        {"bandingFilter", "50"},
        {"lcdLight", "less"},
        {"scheduleRecord", true},
        {"scheduleStartHour", 6},
        {"scheduleStartMinute", 15},
        {"scheduleStopHour", 22},
        {"scheduleStopMinute", 45},
        {"rotateRecord", true},
        {"parkingRecord", true},
        {"backlightOff", true},
        {"idCode", "AB12"},
        {"windowFilm", "no"},
        {"tvOutSystem", "pal"},
        {"motionDetection", true},
        {"estimateDays", nullptr},
        {"clock",
         {{"year", 2024},
          {"month", 2},
          {"day", 29},
          {"hour", 23},
          {"minute", 59},
          {"second", 58},
          {"weekday", 5}}}}},
      {"--frame-rate-mode tpf --record-resolution 1280x960 --frame-interval 10:00 "
       "--estimate 17:18:40 --mute-recording --mic-volume 9 --banding-filter auto "
       "--lcd-light mid",
       {{"recordMode", "mjpeg"},
        {"recordResolution", "1280x960"},
        {"frameRateMode", "tpf"},
        {"frameIntervalMinutes", 10},
        {"frameIntervalSeconds", 0},
        {"framesPerSecond", nullptr},
        {"clipMinutes", nullptr},
        {"estimateDays", 17},
        {"estimateHours", 18},
        {"estimateMinutes", 40},
        {"micVolume", 0},
        {"bandingFilter", "auto"},
        {"lcdLight", "mid"},
        {"scheduleRecord", false},
        {"scheduleStart", nullptr},
        {"scheduleStartHour", nullptr},
        {"idCode", ""}}},
  };
  for (const Case& c : cases) {
    const std::string out = folder / "settings.ini";
    const ToolRun write = Tool("write --out " + out + " " + c.options);
    ASSERT_EQ(write.status, 0) << write.err;
    EXPECT_EQ(std::filesystem::file_size(out), kSettingsRecordSize);
    const ToolRun dump = Tool("dump " + out);
    ASSERT_EQ(dump.status, 0) << dump.err;
    const auto fields = nlohmann::json::parse(dump.out);
    for (const auto& [key, value] : c.fields.items()) {
      EXPECT_EQ(fields.at(key), value) << key << " after " << c.options;
    }
  }
}

TEST_F(SettingsToolTest, InvalidValuesNameTheOptionAndWriteNothing) {
  const char* const cases[][2] = {
      {"--record-mode", "h264"},
      {"--record-resolution", "800x600"},
      {"--frame-rate-mode", "slow"},
      {"--frames-per-second", "31"},
      {"--frames-per-second", "x"},
      {"--frame-interval", "10:01"},
      {"--frame-interval", "0:00"},
      {"--frame-interval", "1"},
      {"--clip", "0:00"},
      {"--clip", "5:60"},
      {"--mic-volume", "11"},
      {"--banding-filter", "55"},
      {"--lcd-light", "max"},
      {"--schedule-start", "24:00"},
      {"--schedule-stop", "7:60"},
      {"--id-code", "TOOLONGID"},
      {"--id-code", "\xC3\xA9T\xC3\xA9"},
      {"--window-film", "maybe"},
      {"--tv-out", "secam"},
      {"--estimate", "1:24:0"},
      {"--estimate", "3000:0:0"},
      {"--time", "2010-02-30T10:00:00"},
      {"--time", "yesterday"},
  };
  const std::string out = folder / "settings.ini";
  for (const auto& [option, value] : cases) {
    const ToolRun run = Tool("write --out " + out + " " + option + " '" + value + "'");
    EXPECT_EQ(run.status, 2) << option << " " << value;
    EXPECT_NE(run.err.find(option), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(out)) << option << " " << value;
  }
}

TEST_F(SettingsToolTest, DumpRefusesWhatIsNotARecord) {
  const std::string out = folder / "settings.ini";
  ASSERT_EQ(Tool("write --out " + out).status, 0);
  std::vector<uint8_t> bytes = ReadBytes(out);
  const std::string wrongMagic = folder / "magic.ini";
  bytes[0] = 'X';
  WriteBytes(wrongMagic, bytes);
  const std::string shorter = folder / "short.ini";
  bytes = ReadBytes(out);
  bytes.pop_back();
  WriteBytes(shorter, bytes);
  const std::string longer = folder / "long.ini";
  bytes = ReadBytes(out);
  bytes.push_back(0);
  WriteBytes(longer, bytes);
  for (const std::string& path : {wrongMagic, shorter, longer}) {
    const ToolRun run = Tool("dump " + path);
    EXPECT_EQ(run.status, 2) << path;
    EXPECT_NE(run.err.find("is not a settings record"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
}

TEST_F(SettingsToolTest, EstimateExamples) {
  const char* const cases[][2] = {
      {"--free-mib 1000 --record-resolution 640x480 --frame-interval 0:30", "09 / 21 / 02\n"},
      {"--free-mib 300 --record-resolution 1280x960 --frame-interval 10:00", "17 / 18 / 40\n"},
      {"--free-mib 300 --record-resolution 640x480 --frame-interval 0:01", "00 / 02 / 22\n"},
  };
  for (const auto& [options, text] : cases) {
    const ToolRun run = Tool(std::string("estimate ") + options);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, text) << options;
  }
  EXPECT_EQ(Tool("estimate --free-mib 300 --frame-interval 11:00").status, 2);
}

TEST_F(SettingsToolTest, FormatPlanBoundaries) {
  struct Case {
    int megabytes;
    const char* plan;  // file system and cluster lines
    const char* mkfs;
  };
  const Case cases[] = {
      {0, "file system: FAT32\ncluster size: 32768 bytes\n", "mkfs.fat -F 32 -S 512 -s 64"},
      {799, "file system: mkfs.fat default\ncluster size: mkfs.fat default\n", "mkfs.fat"},
      {800, "file system: FAT32\ncluster size: 8192 bytes\n", "mkfs.fat -F 32 -S 512 -s 16"},
      {1000, "file system: FAT32\ncluster size: 8192 bytes\n", "mkfs.fat -F 32 -S 512 -s 16"},
      {1001, "file system: FAT32\ncluster size: 16384 bytes\n", "mkfs.fat -F 32 -S 512 -s 32"},
      {2000, "file system: FAT32\ncluster size: 16384 bytes\n", "mkfs.fat -F 32 -S 512 -s 32"},
      {2001, "file system: FAT32\ncluster size: 32768 bytes\n", "mkfs.fat -F 32 -S 512 -s 64"},
  };
  for (const Case& c : cases) {
    const std::string size = "format-plan --size-mib " + std::to_string(c.megabytes);
    EXPECT_EQ(Tool(size + " --quick").out,
              std::string(c.plan) + "format: quick\n" + c.mkfs + " DEVICE\n");
    EXPECT_EQ(Tool(size + " --device /dev/sdb1").out,
              std::string(c.plan) + "format: full\n" + c.mkfs + " -c /dev/sdb1\n");
  }
  EXPECT_EQ(Tool("format-plan --size-mib -5").status, 2);
}

}  // namespace
}  // namespace halvo
