#include "draw/image_button.h"

#include "draw/bitmap_draw.h"

namespace lab {

void CImageButton::Init(int left, int top, int normalImage, int pressedImage, int hitLeft,
                        int hitTop, int hitRight, int hitBottom) {
  m_corner = CPoint{left, top};
  m_normalImage = normalImage;
  m_hit = HitRect::FromOffsets(left, top, hitLeft, hitTop, hitRight, hitBottom);
  m_pressedImage = pressedImage;
}

void CImageButton::Draw(CDC& dc) { DrawBitmap(dc, m_corner.x, m_corner.y, m_normalImage); }

bool CImageButton::HitPress(CDC& dc, int x, int y) {
  if (!m_hit.Contains(x, y)) return false;
  DrawBitmap(dc, m_corner.x, m_corner.y, m_pressedImage);
  // The window shows the pressed picture, then the host holds it: no message
  // is handled until the time is over, and no processor spins meanwhile.
  dc.HoldWindow(static_cast<unsigned>(kPressedMilliseconds));
  Draw(dc);
  return true;
}

}  // namespace lab
