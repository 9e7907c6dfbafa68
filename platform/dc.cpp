#include "platform/dc.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/pixel_blend.h"
#include "platform/text/text_renderer.h"

namespace lab {

namespace {

// The font of a fresh device context.
constexpr int kDefaultFontHeight = 16;
constexpr const char* kDefaultFontFace = "Liberation Sans";

// Ellipses wider or taller than this are not drawn: the exact integer
// error terms of the outline would no longer fit in 64 bits.
constexpr std::int64_t kMaxEllipseSize = 1 << 16;

// The line step arithmetic multiplies two 33-bit quantities.
__extension__ typedef unsigned __int128 Wide;

bool PenDraws(const CPen& pen) { return pen.IsValid() && pen.Style() != PS_NULL; }
bool BrushFills(const CBrush& brush) { return brush.IsValid() && brush.Style() != BS_NULL; }

std::int64_t Sign(std::int64_t v) { return (v > 0) - (v < 0); }

// The surface pixels of [l, r) x [t, b); empty when none.
CRect ClipToSurface(const Surface& surface, std::int64_t l, std::int64_t t, std::int64_t r,
                    std::int64_t b) {
  l = std::max<std::int64_t>(l, 0);
  t = std::max<std::int64_t>(t, 0);
  r = std::min<std::int64_t>(r, surface.Width());
  b = std::min<std::int64_t>(b, surface.Height());
  if (l >= r || t >= b) return CRect();
  return CRect(static_cast<int>(l), static_cast<int>(t), static_cast<int>(r), static_cast<int>(b));
}

// Fills [l, r) x [t, b) clipped to the surface; returns what it filled.
CRect FillPixels(Surface& surface, std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b,
                 std::uint32_t pixel) {
  const CRect area = ClipToSurface(surface, l, t, r, b);
  for (int y = area.top; y < area.bottom; ++y) {
    std::fill(surface.Row(y) + area.left, surface.Row(y) + area.right, pixel);
  }
  return area;
}

// Grows a bounding rectangle of pixels (empty at first) by one pixel.
void Include(CRect& box, int x, int y) {
  if (box.IsRectEmpty()) {
    box = CRect(x, y, x + 1, y + 1);
    return;
  }
  box = CRect(std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
              std::max(box.bottom, y + 1));
}

}  // namespace

CDC::CDC(Surface& surface)
    : m_surface(&surface),
      m_pen(PS_SOLID, 1, RGB(0, 0, 0)),
      m_brush(RGB(255, 255, 255)),
      m_bkColor(RGB(255, 255, 255)),
      m_textColor(RGB(0, 0, 0)),
      m_bkMode(OPAQUE),
      m_textAlign(TA_LEFT | TA_TOP) {
  m_font.CreateFont(kDefaultFontHeight, 0, 0, 0, FW_NORMAL, false, false, false, ANSI_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                    DEFAULT_PITCH | FF_DONTCARE, kDefaultFontFace);
}

CDC::~CDC() { ReportChanges(); }

void CDC::ReportChanges() {
  for (std::size_t i = 0; i < m_partCount; ++i) m_surface->Changed(m_parts[i]);
  m_partCount = 0;
  m_lastPart = 0;
  m_changed = CRect();
}

void CDC::Flush() {
  ReportChanges();
  m_surface->PresentNow();
}

void CDC::HoldWindow(unsigned milliseconds) {
  ReportChanges();
  m_surface->HoldWindow(milliseconds);
}

namespace {
long long Area(const CRect& r) { return static_cast<long long>(r.Width()) * r.Height(); }

// The pixels that the box around both adds to the two apart (a measure of
// what one rectangle for both would copy in vain; overlaps count as none).
long long Waste(const CRect& a, const CRect& b) {
  return Area(UnionRects(a, b)) - Area(a) - Area(b);
}
}  // namespace

void CDC::Touch(const CRect& rect) {
  const CRect clipped = IntersectRects(rect, m_surface->Bounds());
  if (clipped.IsRectEmpty()) return;
  m_changed = UnionRects(m_changed, clipped);
  // Most changes fall where the last one did (a line's pixels, a glyph's).
  if (m_partCount > 0 && RectContains(m_parts[m_lastPart], clipped)) return;
  AddPart(clipped);
}

void CDC::AddPart(const CRect& rect) {
  std::size_t into = m_partCount;
  for (std::size_t i = 0; i < m_partCount; ++i) {
    if (Waste(m_parts[i], rect) <= kPartSlack) {
      into = i;
      break;
    }
  }
  if (into == m_partCount) {
    if (m_partCount == m_parts.size()) {
      // Full: the two closest parts become one, which frees a place.
      std::size_t bi = 0, bj = 1;
      long long best = Waste(m_parts[0], m_parts[1]);
      for (std::size_t i = 0; i < m_partCount; ++i) {
        for (std::size_t j = i + 1; j < m_partCount; ++j) {
          if (const long long w = Waste(m_parts[i], m_parts[j]); w < best) {
            best = w;
            bi = i;
            bj = j;
          }
        }
      }
      MergeParts(bj, bi);
      into = m_partCount;
    }
    m_parts[m_partCount++] = rect;
  } else {
    m_parts[into] = UnionRects(m_parts[into], rect);
  }
  // A grown part may now reach others (or overlap them): they join it, so
  // that no pixel is reported twice.
  for (bool merged = true; merged;) {
    merged = false;
    for (std::size_t i = 0; i < m_partCount; ++i) {
      if (i == into) continue;
      const bool overlap = !IntersectRects(m_parts[i], m_parts[into]).IsRectEmpty();
      if (overlap || Waste(m_parts[i], m_parts[into]) <= kPartSlack) {
        MergeParts(i, into);
        if (into == m_partCount) into = i;  // the last part moved to i's place
        merged = true;
        break;
      }
    }
  }
  m_lastPart = into;
}

void CDC::MergeParts(std::size_t i, std::size_t j) {
  m_parts[j] = UnionRects(m_parts[j], m_parts[i]);
  --m_partCount;
  m_parts[i] = m_parts[m_partCount];
}

void CDC::Plot(int x, int y, std::uint32_t pixel) {
  if (!m_surface->Inside(x, y)) return;
  m_surface->SetRawPixel(x, y, pixel);
  Touch(CRect(x, y, x + 1, y + 1));
}

CPoint CDC::MoveTo(int x, int y) {
  const CPoint previous = m_position;
  m_position = CPoint{x, y};
  return previous;
}

// Bresenham over the major axis: pixel i (0 <= i < major) lies i steps along
// the major axis and k(i) = floor((2 minor i + major - 1 + bias) / (2 major))
// steps along the minor axis, which is what the error-term loop (error
// 2 minor - major at first, a minor step when error + bias > 0) produces.
// bias is 1 when the minor axis runs towards smaller coordinates, so ties
// always go to the smaller coordinate and the pixels do not depend on the
// direction. Only the steps that fall on the surface are visited.
bool CDC::LineTo(int x, int y) {
  const CPoint from = m_position;
  m_position = CPoint{x, y};
  if (!PenDraws(m_pen)) return true;
  const std::int64_t dx = static_cast<std::int64_t>(x) - from.x;
  const std::int64_t dy = static_cast<std::int64_t>(y) - from.y;
  if (dx == 0 && dy == 0) return true;

  const bool steep = std::abs(dy) > std::abs(dx);
  const std::int64_t major = steep ? std::abs(dy) : std::abs(dx);
  const std::int64_t minor = steep ? std::abs(dx) : std::abs(dy);
  const std::int64_t majorStep = Sign(steep ? dy : dx);
  const std::int64_t minorStep = Sign(steep ? dx : dy);
  const std::int64_t bias = minorStep < 0 ? 1 : 0;
  const std::int64_t majorStart = steep ? from.y : from.x;
  const std::int64_t minorStart = steep ? from.x : from.y;
  const std::int64_t majorSize = steep ? m_surface->Height() : m_surface->Width();
  const std::int64_t minorSize = steep ? m_surface->Width() : m_surface->Height();

  std::int64_t first = 0;
  std::int64_t last = major - 1;
  if (majorStep > 0) {
    first = std::max(first, -majorStart);
    last = std::min(last, majorSize - 1 - majorStart);
  } else {
    first = std::max(first, majorStart - (majorSize - 1));
    last = std::min(last, majorStart);
  }
  if (first > last) return true;

  const std::int64_t twiceMajor = 2 * major;
  const Wide numerator =
      static_cast<Wide>(2 * minor) * static_cast<Wide>(first) + static_cast<Wide>(major - 1 + bias);
  auto k = static_cast<std::int64_t>(numerator / static_cast<Wide>(twiceMajor));
  auto remainder = static_cast<std::int64_t>(numerator % static_cast<Wide>(twiceMajor));

  const std::uint32_t pixel = ToPixel(m_pen.Color());
  CRect box;
  for (std::int64_t i = first; i <= last; ++i) {
    const std::int64_t m = minorStart + minorStep * k;
    if (m >= 0 && m < minorSize) {
      const auto a = static_cast<int>(majorStart + majorStep * i);
      const auto b = static_cast<int>(m);
      const int px = steep ? b : a;
      const int py = steep ? a : b;
      m_surface->SetRawPixel(px, py, pixel);
      Include(box, px, py);
    }
    remainder += 2 * minor;
    if (remainder >= twiceMajor) {
      remainder -= twiceMajor;
      ++k;
    }
  }
  Touch(box);
  return true;
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
  SetBkColor(color);
  Touch(FillPixels(*m_surface, x, y, static_cast<std::int64_t>(x) + cx,
                   static_cast<std::int64_t>(y) + cy, ToPixel(color)));
}

void CDC::FillSolidRect(const CRect& rect, COLORREF color) {
  SetBkColor(color);
  Touch(FillPixels(*m_surface, rect.left, rect.top, rect.right, rect.bottom, ToPixel(color)));
}

// The outline is the integer ellipse of the rectangle's inclusive corners
// (diameters width - 1 and height - 1): one quarter is walked with exact
// error terms and mirrored about x = left + right - 1 and y = top + bottom - 1.
// Successive outline pixels are 8-connected, so the outline is closed. The
// inside of each row, between its innermost outline pixels, is filled with
// the brush; inside and outline never share a pixel. Without a pen the
// brush also covers the outline, so the shape keeps its size.
bool CDC::Ellipse(int x1, int y1, int x2, int y2) {
  const std::int64_t left = std::min(x1, x2);
  const std::int64_t right = std::max(x1, x2);
  const std::int64_t top = std::min(y1, y2);
  const std::int64_t bottom = std::max(y1, y2);
  const std::int64_t width = right - left;
  const std::int64_t height = bottom - top;
  if (width == 0 || height == 0) return true;

  const bool fills = BrushFills(m_brush);
  if (!PenDraws(m_pen) && !fills) return true;
  const std::uint32_t outline = ToPixel(PenDraws(m_pen) ? m_pen.Color() : m_brush.Color());
  const std::uint32_t inside = ToPixel(m_brush.Color());

  if (width <= 2 || height <= 2) {
    Touch(FillPixels(*m_surface, left, top, right, bottom, outline));
    return true;
  }
  if (width > kMaxEllipseSize || height > kMaxEllipseSize) return false;
  if (ClipToSurface(*m_surface, left, top, right, bottom).IsRectEmpty()) return true;

  CRect box;
  const auto plot = [&](std::int64_t px, std::int64_t py) {
    if (px < 0 || py < 0 || px >= m_surface->Width() || py >= m_surface->Height()) return;
    m_surface->SetRawPixel(static_cast<int>(px), static_cast<int>(py), outline);
    Include(box, static_cast<int>(px), static_cast<int>(py));
  };
  const auto span = [&](std::int64_t from, std::int64_t to, std::int64_t row) {
    if (fills && from <= to)
      box = UnionRects(box, FillPixels(*m_surface, from, row, to + 1, row + 1, inside));
  };

  std::int64_t xl = left;
  std::int64_t xr = right - 1;
  const std::int64_t a = xr - xl;
  const std::int64_t b = height - 1;
  const std::int64_t oddRows = b & 1;
  std::int64_t dx = 4 * (1 - a) * b * b;
  std::int64_t dy = 4 * (oddRows + 1) * a * a;
  std::int64_t err = dx + dy + oddRows * a * a;
  std::int64_t yl = top + (b + 1) / 2;  // lower half, walking down
  std::int64_t yu = yl - oddRows;       // upper half, walking up
  const std::int64_t stepX = 8 * b * b;
  const std::int64_t stepY = 8 * a * a;
  do {
    plot(xl, yl);
    plot(xr, yl);
    plot(xl, yu);
    plot(xr, yu);
    const std::int64_t e2 = 2 * err;
    if (e2 <= dy) {
      // Leaving rows yl and yu: xl and xr are their innermost outline pixels.
      span(xl + 1, xr - 1, yl);
      if (yu != yl) span(xl + 1, xr - 1, yu);
      ++yl;
      --yu;
      dy += stepY;
      err += dy;
    }
    if (e2 >= dx || 2 * err > dy) {
      ++xl;
      --xr;
      dx += stepX;
      err += dx;
    }
  } while (xl <= xr);
  // Very flat ellipses end the walk before reaching the top and bottom rows.
  while (yl - yu <= b) {
    plot(xl - 1, yl);
    plot(xr + 1, yl);
    plot(xl - 1, yu);
    plot(xr + 1, yu);
    ++yl;
    --yu;
  }
  Touch(box);
  return true;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color) {
  const COLORREF previous = m_surface->GetPixel(x, y);
  Plot(x, y, ToPixel(color));
  return previous;
}

CPen CDC::SelectObject(const CPen& pen) {
  if (!pen.IsValid()) return CPen();
  CPen previous = m_pen;
  m_pen = pen;
  return previous;
}

CBrush CDC::SelectObject(const CBrush& brush) {
  if (!brush.IsValid()) return CBrush();
  CBrush previous = m_brush;
  m_brush = brush;
  return previous;
}

CFont CDC::SelectObject(const CFont& font) {
  if (!font.IsValid()) return CFont();
  CFont previous = m_font;
  m_font = font;
  return previous;
}

unsigned CDC::SetTextAlign(unsigned align) {
  const unsigned previous = m_textAlign;
  m_textAlign = align;
  return previous;
}

int CDC::SetBkMode(int mode) {
  const int previous = m_bkMode;
  m_bkMode = mode;
  return previous;
}

COLORREF CDC::SetBkColor(COLORREF color) {
  const COLORREF previous = m_bkColor;
  m_bkColor = color;
  return previous;
}

COLORREF CDC::SetTextColor(COLORREF color) {
  const COLORREF previous = m_textColor;
  m_textColor = color;
  return previous;
}

bool CDC::TextOut(int x, int y, std::string_view text) {
  text::TextPlacement placement;
  placement.x = x;
  placement.y = y;
  placement.align = m_textAlign;
  placement.opaque = m_bkMode == OPAQUE;
  placement.background = m_bkColor;
  placement.color = m_textColor;
  const text::TextResult result =
      text::TextRenderer::Shared().Draw(*m_surface, m_font.Log(), placement, text);
  Touch(result.changed);
  return result.drawn;
}

CSize CDC::GetTextExtent(std::string_view text) const {
  return text::TextRenderer::Shared().Extent(m_font.Log(), text);
}

bool CDC::BitBlt(int x, int y, int w, int h, const Bitmap& source, int sx, int sy) {
  if (source.pixels == nullptr) return false;
  // Offsets (i, j) with the destination on the surface and the source in
  // the picture.
  const std::int64_t i0 =
      std::max({std::int64_t{0}, -static_cast<std::int64_t>(x), -static_cast<std::int64_t>(sx)});
  const std::int64_t j0 =
      std::max({std::int64_t{0}, -static_cast<std::int64_t>(y), -static_cast<std::int64_t>(sy)});
  const std::int64_t i1 =
      std::min({static_cast<std::int64_t>(w), static_cast<std::int64_t>(m_surface->Width()) - x,
                static_cast<std::int64_t>(source.width) - sx});
  const std::int64_t j1 =
      std::min({static_cast<std::int64_t>(h), static_cast<std::int64_t>(m_surface->Height()) - y,
                static_cast<std::int64_t>(source.height) - sy});
  if (i0 >= i1 || j0 >= j1) return true;
  for (std::int64_t j = j0; j < j1; ++j) {
    std::uint32_t* out = m_surface->Row(static_cast<int>(y + j));
    for (std::int64_t i = i0; i < i1; ++i) {
      out[x + i] = source.At(static_cast<int>(sx + i), static_cast<int>(sy + j)) | 0xFF000000u;
    }
  }
  Touch(CRect(static_cast<int>(x + i0), static_cast<int>(y + j0), static_cast<int>(x + i1),
              static_cast<int>(y + j1)));
  return true;
}

bool CDC::DrawIcon(int x, int y, const Icon* icon) {
  if (icon == nullptr || icon->large.argb == nullptr || icon->large.size <= 0) return false;
  const int size = icon->large.size;
  const CRect area = ClipToSurface(*m_surface, x, y, static_cast<std::int64_t>(x) + size,
                                   static_cast<std::int64_t>(y) + size);
  for (int py = area.top; py < area.bottom; ++py) {
    std::uint32_t* out = m_surface->Row(py);
    const std::uint32_t* in = icon->large.argb + static_cast<std::ptrdiff_t>(py - y) * size;
    for (int px = area.left; px < area.right; ++px) {
      const std::uint32_t argb = in[px - x];
      const unsigned alpha = argb >> 24;
      if (alpha == 255) {
        out[px] = argb;
      } else if (alpha != 0) {
        out[px] = BlendPixel(out[px], argb, alpha);
      }
    }
  }
  Touch(area);
  return true;
}

}  // namespace lab
