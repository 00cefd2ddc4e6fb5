#include "controls/hover_tracker.h"

namespace halvo {

bool HoverTracker::OnMouseMove(bool overButton, bool leftButtonHeld) {
  if (leftButtonHeld && !hovering_) return false;
  if (!overButton) return End();
  if (hovering_) return false;
  hovering_ = true;
  return true;
}

bool HoverTracker::End() {
  if (!hovering_) return false;
  hovering_ = false;
  return true;
}

}  // namespace halvo
