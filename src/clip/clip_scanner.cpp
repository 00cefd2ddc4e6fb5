#include "clip/clip_scanner.h"

#include <array>

#include "clip/clip_file.h"
#include "clip/clip_head.h"
#include "clip/index_walk.h"
#include "language/status_panes.h"
#include "language/text.h"

namespace halvo {

bool ProbeIndexKind(const std::string& clipPath, ClipInfo& info) {
  std::optional<ClipFile> file = ClipFile::Open(clipPath);
  if (!file) return false;
  std::array<uint8_t, 256> head{};
  const size_t read = file->ReadAt(0, head).value_or(0);
  info.keyframeIndex = ByteView(std::span<const uint8_t>(head.data(), read)).Byte(115) != 'G';
  return true;
}

ScanResult ScanClip(const std::string& clipPath, bool keyframeIndex, FrameIndex& frameIndex,
                    const std::atomic<bool>* stop) {
  ScanResult result;
  std::optional<ClipFile> file = ClipFile::Open(clipPath);
  if (!file) {
    result.messages.push_back({std::u16string(kClipOpenFailedText), PromptIcon::Information});
    return result;
  }
  result.opened = true;

  // Bytes that cannot be read count as absent, as past the end of a short file.
  std::array<uint8_t, kClipHeadBytes> headBytes{};
  const size_t headRead = file->ReadAt(0, headBytes).value_or(0);
  const ByteView head(std::span<const uint8_t>(headBytes.data(), headRead));

  const ClipMarkers markers = ScanMarkers(head);
  if (markers.movieListOffset == kLastMarkerOffset) {
    result.messages.push_back({std::u16string(kMoviAtLimitText), PromptIcon::None});
  }

  const int64_t fps = FramesPerSecond(head, markers);
  result.frameRateText = FormatText("%lld", static_cast<long long>(fps));
  result.frameRatePane = FormatText("%lld fps", static_cast<long long>(fps));
  if (!markers.movieListOffset) return result;  // no movie list: nothing more to find

  result.recordDateText = RecordDateText(head, markers, clipPath);
  result.recordDatePane = std::u16string(RecordDateShown(*result.recordDateText));

  if (const std::optional<uint64_t> start = IndexStart(head, *markers.movieListOffset)) {
    const IndexWalk walk = WalkIndex(*file, *start, keyframeIndex, frameIndex, stop);
    result.entries = walk.taken;
    result.cancelled = walk.cancelled;
    if (walk.full) result.messages.push_back({std::u16string(kIndexFullText), PromptIcon::None});
  }
  return result;
}

void ApplyScanResult(const ScanResult& result, ClipInfo& info) {
  if (!result.opened) return;
  info.frameRateText = result.frameRateText;
  if (result.recordDateText) info.recordDateText = *result.recordDateText;
}

}  // namespace halvo
