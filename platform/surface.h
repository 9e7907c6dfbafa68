// The persistent pixel surface of a window's client area.
//
// One surface pixel is one logical pixel, stored as 0xFFRRGGBB, rows top to
// bottom. What a handler draws stays until something draws over it. Device
// contexts record which part they changed and report it to the surface's
// listener when they are released, so a shell presents only what changed.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/color.h"
#include "platform/geometry.h"

namespace lab {

class SurfaceListener {
 public:
  virtual void SurfaceChanged(const CRect& rect) = 0;
  // Show every reported change on the screen now, not at the next return to
  // the event loop.
  virtual void PresentNow() = 0;
  // Show every change, then hold for a time: nothing else happens meanwhile.
  // A window's listener asks its host; the default, for a surface that
  // belongs to no window, presents and waits on the run-time clock.
  virtual void HoldWindow(unsigned milliseconds);

 protected:
  ~SurfaceListener() = default;
};

class Surface {
 public:
  Surface() = default;
  Surface(int width, int height, COLORREF fill) { Resize(width, height, fill); }

  void Resize(int width, int height, COLORREF fill);
  int Width() const { return m_width; }
  int Height() const { return m_height; }
  CRect Bounds() const { return CRect(0, 0, m_width, m_height); }

  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
  // CLR_INVALID outside the surface.
  COLORREF GetPixel(int x, int y) const {
    return Inside(x, y) ? FromPixel(m_pixels[Index(x, y)]) : CLR_INVALID;
  }
  // Ignored outside the surface.
  void SetPixel(int x, int y, COLORREF c) {
    if (Inside(x, y)) m_pixels[Index(x, y)] = ToPixel(c);
  }
  std::uint32_t RawPixel(int x, int y) const { return m_pixels[Index(x, y)]; }
  void SetRawPixel(int x, int y, std::uint32_t p) { m_pixels[Index(x, y)] = p; }
  std::uint32_t* Row(int y) { return m_pixels.data() + static_cast<std::size_t>(y) * m_width; }
  const std::uint32_t* Row(int y) const {
    return m_pixels.data() + static_cast<std::size_t>(y) * m_width;
  }
  const std::uint32_t* Data() const { return m_pixels.data(); }

  void SetListener(SurfaceListener* listener) { m_listener = listener; }
  // Called by a device context when it is released.
  void Changed(const CRect& rect) {
    if (m_listener != nullptr && !rect.IsRectEmpty()) m_listener->SurfaceChanged(rect);
  }
  void PresentNow() {
    if (m_listener != nullptr) m_listener->PresentNow();
  }
  void HoldWindow(unsigned milliseconds) {
    if (m_listener != nullptr) m_listener->HoldWindow(milliseconds);
  }

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
           static_cast<std::size_t>(x);
  }

  int m_width = 0;
  int m_height = 0;
  std::vector<std::uint32_t> m_pixels;
  SurfaceListener* m_listener = nullptr;
};

}  // namespace lab
