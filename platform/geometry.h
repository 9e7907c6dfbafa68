// Points and rectangles in integer pixels (y grows downwards).
#pragma once

#include <algorithm>

namespace lab {

struct CPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const CPoint&, const CPoint&) = default;
};

struct CSize {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const CSize&, const CSize&) = default;
};

// A rectangle whose right and bottom edges are exclusive, as every fill and
// copy of the drawing layer treats them.
struct CRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr CRect() = default;
  constexpr CRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  // Empty when it covers no pixel (zero or negative width or height).
  constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
  // Grows the rectangle by dx on the left and right and dy on top and bottom.
  constexpr void InflateRect(int dx, int dy) {
    left -= dx;
    top -= dy;
    right += dx;
    bottom += dy;
  }
  // Swaps the edges so that left <= right and top <= bottom.
  constexpr void NormalizeRect() {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
  }
  constexpr bool PtInRect(CPoint p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }
  friend bool operator==(const CRect&, const CRect&) = default;
};

// The common part of two rectangles; an empty rectangle when they do not meet.
constexpr CRect IntersectRects(const CRect& a, const CRect& b) {
  CRect r(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom));
  if (r.IsRectEmpty()) return CRect();
  return r;
}

// Whether every point of inner lies in outer (edges included).
constexpr bool RectContains(const CRect& outer, const CRect& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// The smallest rectangle holding both; an empty operand is ignored.
constexpr CRect UnionRects(const CRect& a, const CRect& b) {
  if (a.IsRectEmpty()) return b;
  if (b.IsRectEmpty()) return a;
  return CRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
               std::max(a.bottom, b.bottom));
}

}  // namespace lab
