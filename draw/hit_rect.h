// A hit rectangle of an instrument in client pixels, all four edges
// included, as the image toggles and buttons keep theirs.
#pragma once

namespace lab {

struct HitRect {
  int left = 0;
  int top = 0;
  int right = -1;
  int bottom = -1;

  // Offsets from a control's corner (left, top), stored as absolute
  // client coordinates.
  static constexpr HitRect FromOffsets(int left, int top, int offsetLeft, int offsetTop,
                                       int offsetRight, int offsetBottom) {
    return HitRect{left + offsetLeft, top + offsetTop, left + offsetRight, top + offsetBottom};
  }
  constexpr bool Contains(int x, int y) const {
    return left <= x && x <= right && top <= y && y <= bottom;
  }
  friend bool operator==(const HitRect&, const HitRect&) = default;
};

}  // namespace lab
