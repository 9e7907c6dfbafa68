// The device context: the drawing state and operations on a surface.
//
// A context starts from the default state (1-pixel black pen, white brush,
// white background colour, opaque background mode, black text, left/top
// text alignment, the default font, current position (0, 0)). Whatever a
// handler changes is forgotten when its context is released. The context
// records the parts of the surface it touched and reports them on release:
// places far apart (the ball and the stopwatch's display) as rectangles of
// their own, so that a host copies the pixels that changed, not the wide
// box around both.
//
// Pixel rules:
// * LineTo draws from the current position up to, but not including, the end
//   point (Bresenham; the pixel set does not depend on the direction, only
//   which end is lit).
// * FillSolidRect fills left..right-1 by top..bottom-1 and leaves the colour
//   set as the background colour.
// * Ellipse takes a bounding box covering left..right-1 by top..bottom-1
//   (corners sorted first), fills the inside with the brush and outlines it
//   with the pen.
// * TextOut writes with the selected font at a point, placed by the text
//   alignment; opaque mode fills the text cell with the background colour.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "platform/bitmap.h"
#include "platform/color.h"
#include "platform/gdi_objects.h"
#include "platform/geometry.h"
#include "platform/surface.h"

namespace lab {

// Text alignment flags (combinable: horizontal | vertical).
constexpr unsigned TA_LEFT = 0, TA_RIGHT = 2, TA_CENTER = 6;
constexpr unsigned TA_TOP = 0, TA_BOTTOM = 8, TA_BASELINE = 24;

// Background modes.
constexpr int TRANSPARENT = 1, OPAQUE = 2;

class CDC {
 public:
  explicit CDC(Surface& surface);
  virtual ~CDC();
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  Surface& GetSurface() { return *m_surface; }

  // Lines and areas.
  CPoint MoveTo(int x, int y);
  CPoint MoveTo(CPoint p) { return MoveTo(p.x, p.y); }
  bool LineTo(int x, int y);
  bool LineTo(CPoint p) { return LineTo(p.x, p.y); }
  CPoint GetCurrentPosition() const { return m_position; }
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
  void FillSolidRect(const CRect& rect, COLORREF color);
  bool Ellipse(int x1, int y1, int x2, int y2);
  COLORREF GetPixel(int x, int y) const { return m_surface->GetPixel(x, y); }
  COLORREF SetPixel(int x, int y, COLORREF color);

  // Drawing objects: selecting returns the object it replaced.
  CPen SelectObject(const CPen& pen);
  CBrush SelectObject(const CBrush& brush);
  CFont SelectObject(const CFont& font);
  const CPen& GetCurrentPen() const { return m_pen; }
  const CBrush& GetCurrentBrush() const { return m_brush; }
  const CFont& GetCurrentFont() const { return m_font; }

  // Text state and output.
  unsigned SetTextAlign(unsigned align);
  unsigned GetTextAlign() const { return m_textAlign; }
  int SetBkMode(int mode);
  int GetBkMode() const { return m_bkMode; }
  COLORREF SetBkColor(COLORREF color);
  COLORREF GetBkColor() const { return m_bkColor; }
  COLORREF SetTextColor(COLORREF color);
  COLORREF GetTextColor() const { return m_textColor; }
  // text is UTF-8.
  bool TextOut(int x, int y, std::string_view text);
  // Advance width and cell height of a text in the selected font, unrotated.
  CSize GetTextExtent(std::string_view text) const;

  // Copies w x h pixels of a picture from (sx, sy) to (x, y), unscaled.
  // Parts outside the picture or the surface are not copied.
  bool BitBlt(int x, int y, int w, int h, const Bitmap& source, int sx, int sy);
  // Draws the icon's large image (size x size ARGB pixels) at (x, y),
  // blended by each pixel's alpha.
  bool DrawIcon(int x, int y, const Icon* icon);

  // The part of the surface changed so far by this context: the box around
  // every change.
  const CRect& Changed() const { return m_changed; }
  // The same changes as at most kMaxChangedParts rectangles that do not
  // overlap, each the box around changes near each other. Two changes are
  // one rectangle when their box wastes at most kPartSlack pixels more than
  // the two apart would.
  static constexpr int kMaxChangedParts = 4;
  static constexpr long long kPartSlack = 1024;
  std::span<const CRect> ChangedParts() const { return {m_parts.data(), m_partCount}; }
  // Reports the changes so far and has them shown on the screen at once.
  void Flush();
  // Reports the changes so far, has them shown, then holds the window for a
  // time in which no message is handled (a pressed button stays down).
  void HoldWindow(unsigned milliseconds);

 protected:
  void Touch(const CRect& rect);
  void Plot(int x, int y, std::uint32_t pixel);

 private:
  Surface* m_surface;
  CPen m_pen;
  CBrush m_brush;
  CFont m_font;
  COLORREF m_bkColor;
  COLORREF m_textColor;
  int m_bkMode;
  unsigned m_textAlign;
  CPoint m_position;
  CRect m_changed;
  std::array<CRect, kMaxChangedParts> m_parts{};
  std::size_t m_partCount = 0;
  std::size_t m_lastPart = 0;  // the part the last change went to

  void AddPart(const CRect& rect);
  // Merges part i into part j (i != j) and removes part i.
  void MergeParts(std::size_t i, std::size_t j);
  // Reports every part to the surface and forgets them.
  void ReportChanges();
};

}  // namespace lab
