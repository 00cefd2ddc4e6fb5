#pragma once

namespace halvo {

struct ControlPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ControlPoint&, const ControlPoint&) = default;
};

// A rectangle in control pixels; right and bottom lie just outside it.
struct ControlRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool IsEmpty() const { return Width() <= 0 || Height() <= 0; }
  // Left and top edges inclusive, right and bottom exclusive.
  constexpr bool Contains(ControlPoint p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }
  constexpr ControlRect Moved(int dx, int dy) const {
    return {left + dx, top + dy, right + dx, bottom + dy};
  }
  friend bool operator==(const ControlRect&, const ControlRect&) = default;
};

}  // namespace halvo
