#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "clip/clip_info.h"
#include "clip/frame_index.h"
#include "language/language_choice.h"
#include "language/language_id.h"
#include "language/player_texts.h"

namespace halvo {

// Fixed product configuration, set at start-up and never changed.
struct Capabilities {
  int32_t showMotionSearch = 1;
  int32_t camResolutionCount = 1;
  int32_t showLooping = 1;
  int32_t allowTimePerFrame = 1;
  int32_t timePerFrameClipEnabled = 1;
  int32_t showSchedule = 0;
  LanguageAvailability languages;
};

// The volume control of the sound mixer.
struct MixerFields {
  uint32_t mixerDeviceCount = 0;
  bool mixerOpen = false;
  uint32_t volumeMinimum = 0;
  uint32_t volumeMaximum = 0;
  uint32_t volumeControlId = 0;
};

// All state of the player window that is not a widget; one instance for the
// window's life. The playlist, seek bar and media graph live in their widgets
// and adapters.
struct PlayerState {
  std::string clipFolder;
  std::string clipPath;
  ClipInfo clipInfo;
  FrameIndex frameIndex;

  int32_t videoWidth = 640;
  int32_t videoHeight = 480;
  double zoomFactor = 0.5;
  int32_t speedStep = 1;
  int32_t seekPosition = 0;
  int32_t panX = 0;
  int32_t panY = 0;
  std::optional<int64_t> backPlayPosition;
  int64_t fastForwardFrame = 0;
  bool backPlaying = false;
  bool fastForwardActive = false;
  bool mouseHeld = false;
  bool muted = false;
  uint32_t savedVolume = 0;
  MixerFields mixer;

  LanguageId languageId = LanguageId::English;
  StatusPaneLabels labels;  // of the active language
  bool quickFormat = true;
  Capabilities capabilities;
};

inline constexpr std::u16string_view kBuildLabel = u"HX__TB_K_LN_V.2.0";

}  // namespace halvo
