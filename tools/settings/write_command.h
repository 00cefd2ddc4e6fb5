#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace halvo {

// The write command's options as typed; defaults are the dialog's opening values.
struct WriteOptions {
  std::string out;
  std::string time;
  std::string recordMode = "mjpeg";
  std::string recordResolution = "640x480";
  std::string frameRateMode = "fps";
  int framesPerSecond = 15;
  std::string frameInterval = "0:01";
  std::string clip = "10:00";
  int micVolume = 6;
  bool muteRecording = false;
  bool looping = false;
  bool timestamp = false;
  std::string bandingFilter = "60";
  std::string lcdLight = "more";
  bool scheduleRecord = false;
  std::string scheduleStart = "19:00";
  std::string scheduleStop = "21:00";
  bool rotateRecord = false;
  bool parkingRecord = false;
  bool backlightOff = false;
  std::string idCode;
  std::string windowFilm = "yes";
  std::string tvOut = "ntsc";
  bool motionDetection = false;
  std::string estimate = "0:0:0";
};

CLI::App* AddWriteCommand(CLI::App& app, WriteOptions& options);
// Checks every value first and writes only when all are good. Exit status: 0 written,
// 1 the file could not be written, 2 a value is wrong (nothing written).
int RunWrite(const WriteOptions& options);

// Prints "halvo-settings: invalid value ... for OPTION: WHY" and gives exit status 2.
int InvalidValue(const std::string& option, const std::string& value, const std::string& why);

}  // namespace halvo
