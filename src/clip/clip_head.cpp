#include "clip/clip_head.h"

#include <algorithm>

#include "app/playlist_rules.h"
#include "language/text.h"

namespace halvo {

ClipMarkers ScanMarkers(const ByteView& head) {
  ClipMarkers markers;
  for (uint64_t i = 0; i <= kLastMarkerOffset && head.Holds(i, 4); ++i) {
    if (head.IsCode(i, "REC\\")) {
      markers.recordNameOffset = i;
    } else if (head.IsCode(i, "vids")) {
      markers.streamHeaderOffset = i;
    } else if (head.IsCode(i, "movi")) {
      markers.movieListOffset = i;
      break;
    }
  }
  return markers;
}

int64_t FramesPerSecond(const ByteView& head, const ClipMarkers& markers) {
  const std::optional<uint32_t> scale = head.U32(markers.streamHeaderOffset + 20);
  const std::optional<uint32_t> rate = head.U32(markers.streamHeaderOffset + 24);
  if (!scale || !rate || *scale == 0) return 0;
  // Signed words; 64-bit so that INT32_MIN / -1 stays defined.
  return int64_t{static_cast<int32_t>(*rate)} / int64_t{static_cast<int32_t>(*scale)};
}

std::optional<uint64_t> IndexStart(const ByteView& head, uint64_t movieListOffset) {
  if (movieListOffset < 4) return std::nullopt;
  const std::optional<uint32_t> size = head.U32(movieListOffset - 4);
  if (!size) return std::nullopt;
  const uint32_t listEnd = static_cast<uint32_t>(movieListOffset) + *size;  // wraps as 32 bits
  return uint64_t{listEnd} + 8;
}

std::u16string RecordDateText(const ByteView& head, const ClipMarkers& markers,
                              const std::string& clipPath) {
  std::u16string name;
  if (markers.recordNameOffset != 0) {
    for (const uint8_t byte : head.Bytes(markers.recordNameOffset + 4, kRecordNameBytes)) {
      name.push_back(static_cast<char16_t>(static_cast<int8_t>(byte)));
    }
    const std::u16string_view beforeNul = std::u16string_view(name).substr(0, name.find(u'\0'));
    const size_t slash = beforeNul.rfind(u'\\');
    if (slash != std::u16string_view::npos) name.erase(0, slash + 1);
  } else {
    name = FromUtf8(BareName(clipPath));
  }
  std::replace(name.begin(), name.end(), u'_', u'.');
  return name;
}

}  // namespace halvo
