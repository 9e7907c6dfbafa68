// A table of pre-rendered glyphs and the glyph source that serves it.
//
// The table holds, for each logical font the lab writes with, the face's
// pixel metrics and the glyphs of the characters written in it, plus the
// face's missing-glyph shape. It is written at build time by the glyph
// table generator (platform/text/generator) from the FreeType source, so
// a font and character in the table draw exactly as on the desktop.
// A logical font that is not in the table finds no face (nothing is
// drawn); a character that is not in its font's table draws the face's
// missing-glyph shape. The lab's tests check that neither happens for any
// text the lab writes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <unordered_map>

#include "platform/text/glyph_source.h"

namespace lab {

namespace text {

struct TableGlyph {
  char32_t character = 0;
  std::int16_t left = 0;
  std::int16_t top = 0;
  std::uint16_t width = 0;
  std::uint16_t rows = 0;
  std::int16_t advance = 0;
  std::uint32_t offset = 0;  // of its rows x width coverage in the table's coverage
};

// One logical font, keyed as the FreeType source keys it: face name, height,
// width, escapement (0 .. 3599), bold and italic.
struct TableFont {
  const char* face = "";
  int height = 0;
  int width = 0;
  int angle = 0;
  bool bold = false;
  bool italic = false;
  PixelMetrics metrics;
  const char* faceFile = "";
  TableGlyph missing;                  // the face's missing-glyph shape
  std::span<const TableGlyph> glyphs;  // by character, ascending
};

struct GlyphTable {
  std::span<const TableFont> fonts;
  std::span<const std::uint8_t> coverage;
};

// The table of the lab's fonts, compiled into the browser build.
const GlyphTable& LabGlyphTable();

// The table font that serves a logical font, or nullptr.
const TableFont* FindTableFont(const GlyphTable& table, const LogFont& font);
// The glyph of a character in a table font, or nullptr when it has none.
const TableGlyph* FindTableGlyph(const TableFont& font, char32_t character);

class GlyphTableSource : public GlyphSource {
 public:
  explicit GlyphTableSource(const GlyphTable& table);
  ~GlyphTableSource() override;

  SizedFace* Find(const LogFont& font) override;

 private:
  class TableFace;

  const GlyphTable& m_table;
  std::map<const TableFont*, std::unique_ptr<TableFace>> m_faces;
};

}  // namespace text

}  // namespace lab
