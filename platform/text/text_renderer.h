// Text written onto a surface: one line laid out with the advances of the
// selected font, placed by the text alignment, optionally on its filled
// cell, and blended onto the pixels by the glyphs' coverage.
//
// Placement, with W the advance width of the text (the sum of the rounded
// advances of its characters, pixels) and u, v the axes along and across
// the turned baseline (v pointing down the glyphs; for an escapement of 900
// u points up the screen and v to the right):
// * horizontally the reference point is the start of the baseline
//   (left), W / 2 along it (centre) or its end (right);
// * vertically it lies on the top of the cell (the baseline is the ascent
//   further along v), on the baseline, or on the bottom of the cell (the
//   baseline is the descent back along v).
// The cell covers u in [0, W) and v in [-ascent, descent) from the start of
// the baseline.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/color.h"
#include "platform/gdi_objects.h"
#include "platform/geometry.h"
#include "platform/surface.h"
#include "platform/text/font_scale.h"

namespace lab {

namespace text {

class GlyphSource;
struct Glyph;

// Where and how a text is written.
struct TextPlacement {
  int x = 0;  // reference point, surface pixels
  int y = 0;
  unsigned align = 0;   // TA_* flags
  bool opaque = false;  // fill the text cell with the background first
  COLORREF background = RGB(255, 255, 255);
  COLORREF color = RGB(0, 0, 0);
};

struct TextResult {
  bool drawn = false;  // false when no face could be found for the font
  CRect changed;       // surface pixels written
};

class TextRenderer {
 public:
  // The renderer that device contexts use, built on first use with the
  // build's own glyph source (system_glyphs.h).
  static TextRenderer& Shared();

  // A renderer that takes its glyphs from source.
  explicit TextRenderer(std::unique_ptr<GlyphSource> source);
  ~TextRenderer();
  TextRenderer(const TextRenderer&) = delete;
  TextRenderer& operator=(const TextRenderer&) = delete;

  // Advance width and cell height (ascent + descent) of a UTF-8 text,
  // pixels, unturned; (0, 0) when no face could be found.
  CSize Extent(const LogFont& font, std::string_view text);
  TextResult Draw(Surface& surface, const LogFont& font, const TextPlacement& placement,
                  std::string_view text);

  // The face file that serves a logical font ("" when none).
  std::string FaceFile(const LogFont& font);
  // Its pixel size (all zero when no face could be found).
  PixelMetrics Metrics(const LogFont& font);

  // How many texts were drawn or measured, since the renderer was made,
  // with a font that found no face or with a character that its face has
  // no glyph for. The lab's texts never are.
  std::size_t Misses() const { return m_misses; }

 private:
  struct Placed {
    const Glyph* glyph;
    long long pen;  // pixels along the baseline from its start
  };

  std::unique_ptr<GlyphSource> m_source;
  std::size_t m_misses = 0;
  std::vector<Placed> m_run;  // the line being drawn, kept to reuse its storage
};

}  // namespace text

}  // namespace lab
