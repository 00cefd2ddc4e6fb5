#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "clip/byte_view.h"

namespace halvo {

// The first bytes of a clip hold every marker the scanner looks for: words at
// offsets 0..1024, and the fields behind them reach at most 32 bytes further.
inline constexpr uint64_t kLastMarkerOffset = 1024;
inline constexpr uint64_t kRecordNameBytes = 28;
inline constexpr uint64_t kClipHeadBytes = kLastMarkerOffset + 4 + kRecordNameBytes;

// What the marker scan found; 0 means "not found" for the first two, as a
// marker at offset 0 cannot be told apart from none.
struct ClipMarkers {
  uint64_t recordNameOffset = 0;
  uint64_t streamHeaderOffset = 0;
  std::optional<uint64_t> movieListOffset;
};

// The last "REC\" and "vids" before the first "movi" within offsets 0..1024.
ClipMarkers ScanMarkers(const ByteView& head);

// rate / scale of the video stream header (or of the words at 20 and 24 without
// one), truncated toward zero; 0 when the scale is 0 or either word is missing.
int64_t FramesPerSecond(const ByteView& head, const ClipMarkers& markers);

// The file offset where the index records start (list end + 8), or nothing when
// the list size word is missing.
std::optional<uint64_t> IndexStart(const ByteView& head, uint64_t movieListOffset);

// The record name after its last backslash (before the first NUL), "_" made ".";
// without a "REC\" marker, the file name of the path. Bytes widen with sign extension.
std::u16string RecordDateText(const ByteView& head, const ClipMarkers& markers,
                              const std::string& clipPath);

}  // namespace halvo
