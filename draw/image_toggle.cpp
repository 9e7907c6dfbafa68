#include "draw/image_toggle.h"

#include "draw/bitmap_draw.h"

namespace lab {

void CImageToggle::Init(int left, int top, int setImage, int clearHitLeft, int clearHitTop,
                        int clearHitRight, int clearHitBottom, int clearImage, int setHitLeft,
                        int setHitTop, int setHitRight, int setHitBottom, bool initialState) {
  m_corner = CPoint{left, top};
  m_setImage = setImage;
  m_clearHit =
      HitRect::FromOffsets(left, top, clearHitLeft, clearHitTop, clearHitRight, clearHitBottom);
  m_clearImage = clearImage;
  m_setHit = HitRect::FromOffsets(left, top, setHitLeft, setHitTop, setHitRight, setHitBottom);
  m_state = initialState;
}

void CImageToggle::Draw(CDC& dc) {
  DrawBitmap(dc, m_corner.x, m_corner.y, m_state ? m_setImage : m_clearImage);
}

bool CImageToggle::HitToggle(CDC& dc, int x, int y) {
  // Only the current state's rectangle accepts the click.
  if (!CurrentHit().Contains(x, y)) return false;
  m_state = !m_state;
  Draw(dc);
  return true;
}

}  // namespace lab
