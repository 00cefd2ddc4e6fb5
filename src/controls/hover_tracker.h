#pragma once

namespace halvo {

// Whether the mouse highlights a button. A hover only begins on a mouse move
// over the button without the left button held; it ends on any move away and
// on every end event (leave, focus loss, deactivation, disabling).
class HoverTracker {
 public:
  // Answers true when the hover state changed (the button needs a repaint).
  bool OnMouseMove(bool overButton, bool leftButtonHeld);
  bool End();
  bool hovering() const { return hovering_; }

 private:
  bool hovering_ = false;
};

}  // namespace halvo
