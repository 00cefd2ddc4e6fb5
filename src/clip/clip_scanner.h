#pragma once

#include <atomic>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/prompts.h"
#include "clip/clip_info.h"
#include "clip/frame_index.h"

namespace halvo {

inline constexpr std::u16string_view kClipOpenFailedText = u"Failed !! Error code:1001 ";
inline constexpr std::u16string_view kMoviAtLimitText = u"File Format is not match the latest";
inline constexpr std::u16string_view kIndexFullText = u"PASSING RAW DATA FAILED!";

// A message box the scan asks for; shown in order, captioned with the application's name.
struct ScanMessage {
  std::u16string text;
  PromptIcon icon = PromptIcon::None;
  bool operator==(const ScanMessage&) const = default;
};

// Everything one scan has for the player window. The window shows `messages`
// in order; when `opened` it sets the texts and panes that are present.
struct ScanResult {
  bool opened = false;
  std::u16string frameRateText;  // "%d"; set whenever opened
  std::u16string frameRatePane;  // value of pane 4 after its label: "%d fps"
  // Absent when the scan ended before the record name (no "movi" found).
  std::optional<std::u16string> recordDateText;
  std::optional<std::u16string> recordDatePane;  // first 10 characters, up to a NUL
  std::vector<ScanMessage> messages;
  int entries = 0;         // index records taken into FrameIndex
  bool cancelled = false;  // the stop flag ended the index walk early
};

// Sets keyframeIndex from byte 115 (true unless it is "G"; a file too short to
// hold it counts as not "G"). Returns false, leaving info alone, when the file
// cannot be opened.
bool ProbeIndexKind(const std::string& clipPath, ClipInfo& info);

// Reads the clip's markers, frame rate, record name and old-style index.
// Writes FrameIndex slots 0.. (never clears the rest); everything else is returned.
// `stop`, when given, is checked during the index walk.
ScanResult ScanClip(const std::string& clipPath, bool keyframeIndex, FrameIndex& frameIndex,
                    const std::atomic<bool>* stop = nullptr);

// Copies the scan's texts into the clip's info (what the window does on its thread).
void ApplyScanResult(const ScanResult& result, ClipInfo& info);

}  // namespace halvo
