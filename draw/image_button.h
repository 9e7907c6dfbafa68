// CImageButton: a push button made of a normal and a pressed picture. A hit
// shows the pressed picture for 0.1 s of elapsed time (the window shows it
// at once, and no message is handled meanwhile), then the normal one again.
#pragma once

#include "draw/hit_rect.h"
#include "platform/dc.h"

namespace lab {

class CImageButton {
 public:
  static constexpr long kPressedMilliseconds = 100;

  void Init(int left, int top, int normalImage, int pressedImage, int hitLeft, int hitTop,
            int hitRight, int hitBottom);
  void Draw(CDC& dc);
  // True when the click pressed the button.
  bool HitPress(CDC& dc, int x, int y);

  const HitRect& Hit() const { return m_hit; }

 private:
  CPoint m_corner;  // where both images are drawn
  int m_normalImage = 0;
  HitRect m_hit;
  int m_pressedImage = 0;
};

}  // namespace lab
