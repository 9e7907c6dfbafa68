#include "platform/text/glyph_table.h"

#include <algorithm>

namespace lab {

namespace text {

const TableFont* FindTableFont(const GlyphTable& table, const LogFont& font) {
  const int angle = NormalisedAngle(font.escapement);
  const bool bold = IsBold(font);
  for (const TableFont& f : table.fonts) {
    if (f.height == font.height && f.width == font.width && f.angle == angle && f.bold == bold &&
        f.italic == font.italic && font.face == f.face) {
      return &f;
    }
  }
  return nullptr;
}

const TableGlyph* FindTableGlyph(const TableFont& font, char32_t character) {
  const auto it = std::lower_bound(font.glyphs.begin(), font.glyphs.end(), character,
                                   [](const TableGlyph& g, char32_t c) { return g.character < c; });
  return it != font.glyphs.end() && it->character == character ? &*it : nullptr;
}

// A table font's glyphs, unpacked into the renderer's form on first use.
class GlyphTableSource::TableFace : public SizedFace {
 public:
  TableFace(const GlyphTable& table, const TableFont& font) : m_table(table), m_font(font) {
    metrics = font.metrics;
    angle = font.angle;
    faceFile = font.faceFile;
  }

  const Glyph& GlyphOf(char32_t character) override {
    auto it = m_glyphs.find(character);
    if (it != m_glyphs.end()) return it->second;
    const TableGlyph* found = FindTableGlyph(m_font, character);
    Glyph glyph = Unpack(found != nullptr ? *found : m_font.missing);
    glyph.missing = found == nullptr;
    return m_glyphs.emplace(character, std::move(glyph)).first->second;
  }

 private:
  Glyph Unpack(const TableGlyph& g) const {
    Glyph glyph;
    glyph.left = g.left;
    glyph.top = g.top;
    glyph.width = g.width;
    glyph.rows = g.rows;
    glyph.advance = g.advance;
    const std::size_t size = static_cast<std::size_t>(g.width) * g.rows;
    // A glyph that would reach past the coverage is left blank rather than
    // read out of bounds.
    if (g.offset <= m_table.coverage.size() && size <= m_table.coverage.size() - g.offset) {
      const auto first = m_table.coverage.begin() + g.offset;
      glyph.coverage.assign(first, first + static_cast<std::ptrdiff_t>(size));
    } else {
      glyph.coverage.assign(size, 0);
    }
    return glyph;
  }

  const GlyphTable& m_table;
  const TableFont& m_font;
  std::unordered_map<char32_t, Glyph> m_glyphs;
};

GlyphTableSource::GlyphTableSource(const GlyphTable& table) : m_table(table) {}

GlyphTableSource::~GlyphTableSource() = default;

SizedFace* GlyphTableSource::Find(const LogFont& font) {
  const TableFont* found = FindTableFont(m_table, font);
  if (found == nullptr) return nullptr;
  auto& face = m_faces[found];
  if (!face) face = std::make_unique<TableFace>(m_table, *found);
  return face.get();
}

}  // namespace text

}  // namespace lab
