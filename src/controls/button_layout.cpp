#include "controls/button_layout.h"

namespace halvo {

RecordedSize RecordIconSize(int imageWidth, int imageHeight) {
  return {(imageWidth / 2) * 2, (imageHeight / 2) * 2};
}

IconLayout PlaceIcon(const IconLayoutInput& in) {
  IconLayout out;
  ControlRect image = in.item;
  out.caption = in.item;
  if (in.hasCaption) {
    image.left += in.imageMargin.x;
    out.caption.left += in.imageMargin.x + in.icon.width;
  } else {
    image.left += (image.Width() - in.icon.width) / 2;
  }
  image.top += (image.Height() - in.icon.height) / 2;
  if (in.pressed) image = image.Moved(in.pressedShift.x, in.pressedShift.y);
  out.iconTopLeft = {image.left, image.top};
  out.iconBounds = image;
  return out;
}

ControlRect CentreCaption(ControlRect area, int textWidth, int textHeight) {
  const int dx = (area.Width() - textWidth) / 2;
  const int dy = (area.Height() - textHeight) / 2;
  return ControlRect{area.left, area.top, area.left + textWidth, area.top + textHeight}.Moved(dx,
                                                                                              dy);
}

}  // namespace halvo
