#pragma once

#include <optional>
#include <string>

namespace halvo {

enum class RecordMode { MotionJpeg = 0, Mpeg4 = 1 };
enum class FrameRateMode { FramesPerSecond = 0, TimePerFrame = 1 };
enum class BandingFilter { Auto = 0, Hz50 = 1, Hz60 = 2 };
enum class LcdLight { Less = 0, Mid = 1, More = 2 };
enum class WindowFilm { WindowFilm = 0, NoWindowFilm = 1 };
enum class TvOutSystem { Ntsc = 0, Pal = 1 };

// The recorder configuration as the camera-settings dialog collects it. The member
// initialisers are the dialog's opening values.
struct CameraSettings {
  RecordMode recordMode = RecordMode::MotionJpeg;
  std::string recordResolution = "640x480";
  FrameRateMode frameRateMode = FrameRateMode::FramesPerSecond;
  int framesPerSecond = 15;
  int frameIntervalMinutes = 0;
  int frameIntervalSeconds = 1;
  int clipMinutes = 10;
  int clipSeconds = 0;
  int micVolume = 6;
  bool muteRecording = false;
  bool looping = false;
  bool timestamp = false;
  // Unset only when a caller forgot to choose; the record then refuses to encode.
  std::optional<BandingFilter> bandingFilter = BandingFilter::Hz60;
  std::optional<LcdLight> lcdLight = LcdLight::More;
  bool scheduleRecord = false;
  int scheduleStartHour = 19;
  int scheduleStartMinute = 0;
  int scheduleStopHour = 21;
  int scheduleStopMinute = 0;
  bool rotateRecord = false;
  bool parkingRecord = false;
  bool backlightOff = false;
  std::u16string idCode;
  WindowFilm windowFilm = WindowFilm::WindowFilm;
  TvOutSystem tvOutSystem = TvOutSystem::Ntsc;
  bool motionDetection = false;
  int estimateDays = 0;
  int estimateHours = 0;
  int estimateMinutes = 0;
  // The chosen drive entry: a card's mount point or the fallback folder.
  std::string targetDrive;
};

}  // namespace halvo
