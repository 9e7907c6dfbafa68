#include "draw/image_toggle.h"

#include "draw/bitmap_draw.h"

void CImageToggle::Init(int left, int top, int setImage, int clearHitLeft, int clearHitTop,
                        int clearHitRight, int clearHitBottom, int clearImage, int setHitLeft,
                        int setHitTop, int setHitRight, int setHitBottom, bool initialState) {
  m_left = left;
  m_top = top;
  m_setImage = setImage;
  m_clearHitLeft = left + clearHitLeft;
  m_clearHitTop = top + clearHitTop;
  m_clearHitRight = left + clearHitRight;
  m_clearHitBottom = top + clearHitBottom;
  m_clearImage = clearImage;
  m_setHitLeft = left + setHitLeft;
  m_setHitTop = top + setHitTop;
  m_setHitRight = left + setHitRight;
  m_setHitBottom = top + setHitBottom;
  m_state = initialState;
}

void CImageToggle::Draw(CDC& dc) {
  DrawBitmap(dc, m_left, m_top, m_state ? m_setImage : m_clearImage);
}

bool CImageToggle::HitToggle(CDC& dc, int x, int y) {
  // Only the current state's rectangle accepts the click.
  const bool hit =
      m_state ? (m_setHitLeft <= x && x <= m_setHitRight && m_setHitTop <= y && y <= m_setHitBottom)
              : (m_clearHitLeft <= x && x <= m_clearHitRight && m_clearHitTop <= y &&
                 y <= m_clearHitBottom);
  if (!hit) return false;
  m_state = !m_state;
  Draw(dc);
  return true;
}
