#include "playback/picture_placement.h"

namespace halvo {

double OpeningZoomFactor(int32_t videoWidth) { return videoWidth >= 1280 ? 0.5 : 1.0; }

double NextZoomFactor(double zoomFactor, int32_t videoWidth) {
  const double next = zoomFactor + 0.25;
  if (videoWidth > 640) return next > 1.0 ? 0.5 : next;
  if (videoWidth > 320) return next > 2.0 ? 0.5 : next;
  return next > 2.0 ? 0.75 : next;
}

PicturePlacement PlacePicture(int32_t videoWidth, int32_t videoHeight, double zoomFactor) {
  const double w = videoWidth * zoomFactor;
  const double h = videoHeight * zoomFactor;
  return {static_cast<int>((kFrameWidth - w) * 0.5), static_cast<int>((kFrameHeight - h) * 0.5),
          static_cast<int>(w), static_cast<int>(h)};
}

PanBars PanBarsFor(const PicturePlacement& placed, int32_t videoWidth, int32_t videoHeight,
                   double zoomFactor) {
  if (placed.width <= kFrameWidth) return {};
  return {true, placed.width - kFrameWidth, placed.height - kFrameHeight,
          static_cast<int>((videoWidth * zoomFactor - kFrameWidth) * 0.5),
          static_cast<int>((videoHeight * zoomFactor - kFrameHeight) * 0.5)};
}

int PanOffset(ScrollCode code, int current, int reportedThumb, int extent) {
  switch (code) {
    case ScrollCode::ThumbPosition:
    case ScrollCode::ThumbTrack:
      return reportedThumb;
    case ScrollCode::Top:
      return 0;
    case ScrollCode::Bottom:
      return extent;
    default:
      return current;
  }
}

}  // namespace halvo
