#pragma once

#include <cstdint>

namespace halvo {

// The video area is a 640 x 480 frame in which the picture is centred.
inline constexpr int kFrameWidth = 640;
inline constexpr int kFrameHeight = 480;

struct PicturePlacement {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PicturePlacement&) const = default;
};

// 0.5 for pictures 1280 pixels wide or wider, else 1.0.
double OpeningZoomFactor(int32_t videoWidth);
// The zoom after Zoom In, by the ladder of the clip's width.
double NextZoomFactor(double zoomFactor, int32_t videoWidth);
// The picture scaled by the zoom and centred in the frame; larger pictures get negative offsets.
PicturePlacement PlacePicture(int32_t videoWidth, int32_t videoHeight, double zoomFactor);

// The pan bars of a placed picture: shown only when it is wider than the frame.
struct PanBars {
  bool visible = false;
  int horizontalMaximum = 0;
  int verticalMaximum = 0;
  int horizontalThumb = 0;
  int verticalThumb = 0;
  bool operator==(const PanBars&) const = default;
};
PanBars PanBarsFor(const PicturePlacement& placed, int32_t videoWidth, int32_t videoHeight,
                   double zoomFactor);

// Scroll codes of a pan bar.
enum class ScrollCode : int {
  LineUp = 0,
  LineDown = 1,
  PageUp = 2,
  PageDown = 3,
  ThumbPosition = 4,
  ThumbTrack = 5,
  Top = 6,
  Bottom = 7,
  EndScroll = 8,
};
// The pan offset after a scroll: extent is the picture's size minus the frame's.
int PanOffset(ScrollCode code, int current, int reportedThumb, int extent);

}  // namespace halvo
