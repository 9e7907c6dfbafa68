// CImageToggle: a two-state picture with its own image and hit rectangle
// for each state. Hit rectangles are given as offsets from the corner and
// stored as absolute client coordinates, all four edges inclusive.
#pragma once

#include "draw/hit_rect.h"
#include "platform/dc.h"

namespace lab {

class CImageToggle {
 public:
  void Init(int left, int top, int setImage, int clearHitLeft, int clearHitTop, int clearHitRight,
            int clearHitBottom, int clearImage, int setHitLeft, int setHitTop, int setHitRight,
            int setHitBottom, bool initialState);
  void Draw(CDC& dc);
  // True when the click switched the toggle (the new image is drawn).
  bool HitToggle(CDC& dc, int x, int y);
  bool GetState() const { return m_state; }

  int Left() const { return m_corner.x; }
  int Top() const { return m_corner.y; }
  // The rectangle that accepts a click in the current state.
  const HitRect& CurrentHit() const { return m_state ? m_setHit : m_clearHit; }

 private:
  CPoint m_corner;  // where both images are drawn
  int m_setImage = 0;
  HitRect m_clearHit;
  int m_clearImage = 0;
  HitRect m_setHit;
  bool m_state = false;
};

}  // namespace lab
