// CImageToggle: a two-state picture with its own image and hit rectangle
// for each state. Hit rectangles are given as offsets from the corner and
// stored as absolute client coordinates, all four edges inclusive.
#pragma once

#include "platform/dc.h"

class CImageToggle {
 public:
  void Init(int left, int top, int setImage, int clearHitLeft, int clearHitTop, int clearHitRight,
            int clearHitBottom, int clearImage, int setHitLeft, int setHitTop, int setHitRight,
            int setHitBottom, bool initialState);
  void Draw(CDC& dc);
  // True when the click switched the toggle (the new image is drawn).
  bool HitToggle(CDC& dc, int x, int y);
  bool GetState() const { return m_state; }

  int Left() const { return m_left; }
  int Top() const { return m_top; }

 private:
  int m_left = 0;
  int m_top = 0;
  int m_setImage = 0;
  int m_clearHitLeft = 0;
  int m_clearHitTop = 0;
  int m_clearHitRight = -1;
  int m_clearHitBottom = -1;
  int m_clearImage = 0;
  int m_setHitLeft = 0;
  int m_setHitTop = 0;
  int m_setHitRight = -1;
  int m_setHitBottom = -1;
  bool m_state = false;
};
