#pragma once

namespace halvo {

// Control ids of the player window; widgets carry them as their objectName.
enum class ControlId : int {
  Ok = 1,
  Cancel = 8,
  SearchLevel = 1008,
  StaticIcon = 1027,
  BackPlay = 1040,
  Play = 1041,
  Pause = 1042,
  Stop = 1043,
  Faster = 1044,
  Slower = 1045,
  StepForward = 1046,
  StepBack = 1047,
  SeekBar = 1048,
  TotalTime = 1049,
  ElapsedTime = 1050,
  SearchForward = 1056,
  VideoArea = 1058,
  Voice = 1060,
  PlayList = 1062,
  PreviousFile = 1063,
  NextFile = 1064,
  Delete = 1065,
  PanHorizontalBar = 1066,
  PanVerticalBar = 1067,
  PlayListGroup = 1068,
  MotionSearchGroup = 1069,
  SearchStop = 1071,
  SearchBack = 1072,
  ZoomIn = 1075,
  ZoomOut = 1076,
  VolumeBar = 1077,
};

enum class MenuCommand : int {
  CameraSettings = 32779,
  Open = 32781,
  SaveCurrent = 32782,
  LanguageEnglish = 32792,
  LanguageTraditionalChinese = 32793,
  LanguageSimplifiedChinese = 32794,
  LanguageJapanese = 32795,
  About = 32797,
  LanguageKorean = 32798,
  Exit = 32796,
};

enum class IconId : int {
  Application = 143,
  ZoomOut = 164,
  SearchStop = 168,
  Voice = 172,
  VoiceMuted = 173,
  StaticIcon = 178,
  SearchForward = 207,
  SearchBack = 208,
  Stop = 212,
  Slower = 213,
  BackPlay = 215,
  Play = 216,
  Pause = 217,
  StepBack = 218,
  ZoomIn = 220,
  Faster = 221,
  StepForward = 222,
};

}  // namespace halvo
