#include "platform/text/text_renderer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

#include "platform/dc.h"
#include "platform/pixel_blend.h"
#include "platform/text/glyph_source.h"
#include "platform/text/system_glyphs.h"
#include "platform/text/utf8.h"

namespace lab {

namespace text {
namespace {

// Unit vectors of the turned baseline (u) and of the glyphs' down direction
// (v) in surface pixels; exact for quarter turns.
struct Axes {
  double ux = 1, uy = 0;
  double vx = 0, vy = 1;
};

Axes AxesFor(int angle) {
  double c = 0;
  double s = 0;
  switch (angle) {
    case 0:
      c = 1;
      break;
    case 900:
      s = 1;
      break;
    case 1800:
      c = -1;
      break;
    case 2700:
      s = -1;
      break;
    default: {
      const double radians = angle * std::numbers::pi / 1800.0;
      c = std::cos(radians);
      s = std::sin(radians);
    }
  }
  // Counter-clockwise on a screen whose y grows downwards.
  return Axes{c, -s, s, c};
}

std::int64_t Round(double v) {
  constexpr double kLimit = 1e15;
  return static_cast<std::int64_t>(std::llround(std::clamp(v, -kLimit, kLimit)));
}

// The surface pixels of [x0, x1) x [y0, y1), clipped; empty if none.
CRect ClipToSurface(const Surface& surface, std::int64_t x0, std::int64_t y0, std::int64_t x1,
                    std::int64_t y1) {
  const std::int64_t l = std::max<std::int64_t>(x0, 0);
  const std::int64_t t = std::max<std::int64_t>(y0, 0);
  const std::int64_t r = std::min<std::int64_t>(x1, surface.Width());
  const std::int64_t b = std::min<std::int64_t>(y1, surface.Height());
  if (l >= r || t >= b) return CRect();
  return CRect(static_cast<int>(l), static_cast<int>(t), static_cast<int>(r), static_cast<int>(b));
}

// Fills the pixels whose centres lie in u in [0, length), v in [v0, v1)
// from the point (bx, by) along the axes.
CRect FillTurnedRect(Surface& surface, const Axes& axes, double bx, double by, double length,
                     double v0, double v1, std::uint32_t pixel) {
  double minX = bx, maxX = bx, minY = by, maxY = by;
  for (double u : {0.0, length}) {
    for (double v : {v0, v1}) {
      const double x = bx + u * axes.ux + v * axes.vx;
      const double y = by + u * axes.uy + v * axes.vy;
      minX = std::min(minX, x);
      maxX = std::max(maxX, x);
      minY = std::min(minY, y);
      maxY = std::max(maxY, y);
    }
  }
  const CRect box = ClipToSurface(surface, Round(std::floor(minX)), Round(std::floor(minY)),
                                  Round(std::ceil(maxX)), Round(std::ceil(maxY)));
  CRect changed(box.right, box.bottom, box.left, box.top);
  for (int y = box.top; y < box.bottom; ++y) {
    std::uint32_t* row = surface.Row(y);
    const double dy = y + 0.5 - by;
    for (int x = box.left; x < box.right; ++x) {
      const double dx = x + 0.5 - bx;
      const double u = dx * axes.ux + dy * axes.uy;
      const double v = dx * axes.vx + dy * axes.vy;
      if (u >= 0 && u < length && v >= v0 && v < v1) {
        row[x] = pixel;
        changed = CRect(std::min(changed.left, x), std::min(changed.top, y),
                        std::max(changed.right, x + 1), std::max(changed.bottom, y + 1));
      }
    }
  }
  return changed.IsRectEmpty() ? CRect() : changed;
}

// Blends a glyph's coverage in the text colour with its pen at (ox, oy).
CRect BlendGlyph(Surface& surface, const Glyph& glyph, std::int64_t ox, std::int64_t oy,
                 std::uint32_t pixel) {
  const std::int64_t x0 = ox + glyph.left;
  const std::int64_t y0 = oy - glyph.top;
  const CRect box = ClipToSurface(surface, x0, y0, x0 + glyph.width, y0 + glyph.rows);
  if (box.IsRectEmpty()) return box;
  for (int y = box.top; y < box.bottom; ++y) {
    std::uint32_t* row = surface.Row(y);
    const std::uint8_t* cover =
        glyph.coverage.data() + static_cast<std::size_t>(y - y0) * glyph.width;
    for (int x = box.left; x < box.right; ++x) {
      const unsigned alpha = cover[x - x0];
      if (alpha != 0) row[x] = BlendPixel(row[x], pixel, alpha);
    }
  }
  return box;
}

}  // namespace

TextRenderer& TextRenderer::Shared() {
  static TextRenderer renderer(MakeSystemGlyphSource());
  return renderer;
}

TextRenderer::TextRenderer(std::unique_ptr<GlyphSource> source) : m_source(std::move(source)) {}

TextRenderer::~TextRenderer() = default;

CSize TextRenderer::Extent(const LogFont& log, std::string_view text) {
  SizedFace* font = m_source->Find(log);
  if (font == nullptr) {
    ++m_misses;
    return CSize();
  }
  std::int64_t width = 0;
  bool missing = false;
  for (std::size_t pos = 0; pos < text.size();) {
    const Glyph& glyph = font->GlyphOf(DecodeUtf8(text, pos));
    width += glyph.advance;
    missing = missing || glyph.missing;
  }
  if (missing) ++m_misses;
  width = std::min<std::int64_t>(width, std::numeric_limits<int>::max());
  return CSize{static_cast<int>(width), font->metrics.ascent + font->metrics.descent};
}

TextResult TextRenderer::Draw(Surface& surface, const LogFont& log, const TextPlacement& placement,
                              std::string_view text) {
  SizedFace* font = m_source->Find(log);
  if (font == nullptr) {
    ++m_misses;
    return TextResult{};
  }

  m_run.clear();
  std::int64_t pen = 0;
  bool missing = false;
  for (std::size_t pos = 0; pos < text.size();) {
    const Glyph& glyph = font->GlyphOf(DecodeUtf8(text, pos));
    m_run.push_back(Placed{&glyph, pen});
    pen += glyph.advance;
    missing = missing || glyph.missing;
  }
  if (missing) ++m_misses;
  const std::int64_t width = pen;
  const int ascent = font->metrics.ascent;
  const int descent = font->metrics.descent;

  // The start of the baseline, from the reference point.
  std::int64_t along = 0;
  if ((placement.align & TA_CENTER) == TA_CENTER) {
    along = -(width / 2);
  } else if ((placement.align & TA_CENTER) == TA_RIGHT) {
    along = -width;
  }
  std::int64_t across = ascent;
  if ((placement.align & TA_BASELINE) == TA_BASELINE) {
    across = 0;
  } else if ((placement.align & TA_BASELINE) == TA_BOTTOM) {
    across = -descent;
  }
  const Axes axes = AxesFor(font->angle);
  const double bx =
      placement.x + static_cast<double>(along) * axes.ux + static_cast<double>(across) * axes.vx;
  const double by =
      placement.y + static_cast<double>(along) * axes.uy + static_cast<double>(across) * axes.vy;

  TextResult result;
  result.drawn = true;
  if (placement.opaque && width > 0) {
    result.changed = FillTurnedRect(surface, axes, bx, by, static_cast<double>(width), -ascent,
                                    descent, ToPixel(placement.background));
  }
  const std::uint32_t ink = ToPixel(placement.color);
  for (const Placed& placed : m_run) {
    const double p = static_cast<double>(placed.pen);
    const CRect box =
        BlendGlyph(surface, *placed.glyph, Round(bx + p * axes.ux), Round(by + p * axes.uy), ink);
    result.changed = UnionRects(result.changed, box);
  }
  return result;
}

std::string TextRenderer::FaceFile(const LogFont& log) {
  SizedFace* font = m_source->Find(log);
  return font != nullptr ? font->faceFile : std::string();
}

PixelMetrics TextRenderer::Metrics(const LogFont& log) {
  SizedFace* font = m_source->Find(log);
  if (font == nullptr) return PixelMetrics{0, 0, 0, 0.0};
  return font->metrics;
}

}  // namespace text

}  // namespace lab
