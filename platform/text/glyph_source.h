// Where the text renderer takes its glyphs from: one interface, served on
// the desktop by FreeType faces found through fontconfig (font_library.h)
// and in the browser by a table of pre-rendered glyphs built into the
// program (glyph_table.h). Both give the same pixels for the fonts and
// characters that the table holds, because the table is rendered by the
// FreeType source at build time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdi_objects.h"
#include "platform/text/font_scale.h"

namespace lab {

namespace text {

// A glyph's coverage (0 none .. 255 full), already turned by the font's
// escapement, placed relative to the pen position on the baseline: its first
// column is `left` pixels right of the pen and its first row `top` pixels
// above it (screen axes, y down).
struct Glyph {
  int left = 0;
  int top = 0;
  int width = 0;
  int rows = 0;
  int advance = 0;                     // along the baseline, pixels, before turning
  std::vector<std::uint8_t> coverage;  // rows x width
  bool missing = false;                // the face's missing-glyph shape stands in
};

// A face at one pixel size, width scale and escapement: its metrics and its
// glyphs, each rendered (or looked up) once and kept.
class SizedFace {
 public:
  virtual ~SizedFace() = default;
  // The glyph of a character; the face's missing-glyph shape when it has
  // none. The reference stays valid for the life of the source.
  virtual const Glyph& GlyphOf(char32_t character) = 0;

  PixelMetrics metrics;
  int angle = 0;         // escapement, tenths of a degree, 0 .. 3599
  std::string faceFile;  // the face file the glyphs come from
};

class GlyphSource {
 public:
  virtual ~GlyphSource() = default;
  // The sized face that serves a logical font; nullptr when none does.
  // The pointer stays valid for the life of the source.
  virtual SizedFace* Find(const LogFont& font) = 0;
};

// The escapement of a logical font as the sources key it: 0 .. 3599.
int NormalisedAngle(int escapement);
// True when a logical font's weight selects the bold face.
inline bool IsBold(const LogFont& font) { return font.weight > 550; }

}  // namespace text

}  // namespace lab
