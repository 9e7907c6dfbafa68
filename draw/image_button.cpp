#include "draw/image_button.h"

#include "draw/bitmap_draw.h"

void CImageButton::Init(int left, int top, int normalImage, int pressedImage, int hitLeft,
                        int hitTop, int hitRight, int hitBottom) {
  m_left = left;
  m_top = top;
  m_normalImage = normalImage;
  m_hitLeft = left + hitLeft;
  m_hitTop = top + hitTop;
  m_hitRight = left + hitRight;
  m_hitBottom = top + hitBottom;
  m_pressedImage = pressedImage;
}

void CImageButton::Draw(CDC& dc) { DrawBitmap(dc, m_left, m_top, m_normalImage); }

bool CImageButton::HitPress(CDC& dc, int x, int y) {
  if (x < m_hitLeft || x > m_hitRight || y < m_hitTop || y > m_hitBottom) return false;
  DrawBitmap(dc, m_left, m_top, m_pressedImage);
  // The window shows the pressed picture, then the host holds it: no message
  // is handled until the time is over, and no processor spins meanwhile.
  dc.HoldWindow(static_cast<unsigned>(kPressedMilliseconds));
  DrawBitmap(dc, m_left, m_top, m_normalImage);
  return true;
}
