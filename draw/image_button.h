// CImageButton: a push button made of a normal and a pressed picture. A hit
// shows the pressed picture for 0.1 s of elapsed time (the window shows it
// at once, and no message is handled meanwhile), then the normal one again.
#pragma once

#include "platform/dc.h"

class CImageButton {
 public:
  static constexpr long kPressedMilliseconds = 100;

  void Init(int left, int top, int normalImage, int pressedImage, int hitLeft, int hitTop,
            int hitRight, int hitBottom);
  void Draw(CDC& dc);
  // True when the click pressed the button.
  bool HitPress(CDC& dc, int x, int y);

 private:
  int m_left = 0;
  int m_top = 0;
  int m_normalImage = 0;
  int m_hitLeft = 0;
  int m_hitTop = 0;
  int m_hitRight = -1;
  int m_hitBottom = -1;
  int m_pressedImage = 0;
};
