// Writes the lab's glyph table (platform/text/glyph_table.h) as a C++
// source: for every font the graph writes with, its pixel metrics, its
// missing-glyph shape and the glyph of every character written in it,
// rendered by the FreeType source from the installed fonts.
//
// Usage: lab_glyph_table_generator <output.cpp>. Fails (exit status 1)
// when a font finds no face or the file cannot be written.
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "experiment/graph_texts.h"
#include "platform/text/font_library.h"
#include "platform/text/utf8.h"

namespace lab {

namespace {

// A character that no face maps: its glyph is the face's missing-glyph
// shape (glyph 0).
constexpr char32_t kUnmapped = 0x10FFFF;

using FontKey = std::tuple<std::string, int, int, int, bool, bool>;

FontKey KeyOf(const LogFont& font) {
  return {font.face,          font.height, font.width, text::NormalisedAngle(font.escapement),
          text::IsBold(font), font.italic};
}

std::string Quoted(const std::string& s) {
  std::string out = "\"";
  for (const char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

struct Writer {
  std::ostringstream coverage;
  std::size_t size = 0;

  std::string Glyph(char32_t character, const text::Glyph& g) {
    const std::size_t offset = size;
    for (const std::uint8_t c : g.coverage) {
      coverage << static_cast<unsigned>(c) << ((++size % 24) == 0 ? ",\n" : ",");
    }
    std::ostringstream out;
    out << "{0x" << std::hex << static_cast<unsigned long>(character) << std::dec << ", " << g.left
        << ", " << g.top << ", " << g.width << ", " << g.rows << ", " << g.advance << ", " << offset
        << "}";
    return out.str();
  }
};

}  // namespace

}  // namespace lab

using namespace lab;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output.cpp>\n", argv[0]);
    return 2;
  }
  // The fonts in the order the graph first writes with them, and the
  // characters written in each.
  std::vector<LogFont> fonts;
  std::map<FontKey, std::set<char32_t>> characters;
  for (const GraphText& t : GraphTexts()) {
    auto [it, added] = characters.try_emplace(KeyOf(t.font));
    if (added) fonts.push_back(t.font);
    for (std::size_t pos = 0; pos < t.text.size();)
      it->second.insert(text::DecodeUtf8(t.text, pos));
  }

  text::FontLibrary library(nullptr);
  Writer writer;
  std::ostringstream glyphs;
  std::ostringstream table;
  for (std::size_t i = 0; i < fonts.size(); ++i) {
    const LogFont& log = fonts[i];
    text::SizedFont* font = library.Find(log);
    if (font == nullptr) {
      std::fprintf(stderr, "no face serves \"%s\" %d x %d\n", log.face.c_str(), log.height,
                   log.width);
      return 1;
    }
    glyphs << "constexpr TableGlyph kGlyphs" << i << "[] = {\n";
    for (const char32_t c : characters[KeyOf(log)]) {
      glyphs << "    " << writer.Glyph(c, font->GlyphOf(c)) << ",\n";
    }
    glyphs << "};\n";
    const text::PixelMetrics& m = font->metrics;
    char scale[40];
    std::snprintf(scale, sizeof scale, "%.17g", m.xScale);
    const auto& [face, height, width, angle, bold, italic] = KeyOf(log);
    table << "    {" << Quoted(face) << ", " << height << ", " << width << ", " << angle << ", "
          << (bold ? "true" : "false") << ", " << (italic ? "true" : "false") << ", {" << m.ppem
          << ", " << m.ascent << ", " << m.descent << ", " << scale << "}, "
          << Quoted(font->faceFile) << ",\n     "
          << writer.Glyph(kUnmapped, font->GlyphOf(kUnmapped)) << ", kGlyphs" << i << "},\n";
  }

  std::ofstream out(argv[1]);
  out << "// The lab's glyph table, written by lab_glyph_table_generator from the\n"
         "// installed fonts. Do not edit.\n"
         "#include \"platform/text/glyph_table.h\"\n\n"
         "namespace lab::text {\nnamespace {\n\n"
         "constexpr std::uint8_t kCoverage[] = {\n"
      << writer.coverage.str() << "0};\n\n"
      << glyphs.str() << "\nconstexpr TableFont kFonts[] = {\n"
      << table.str() << "};\n\n"
      << "constexpr GlyphTable kTable{kFonts, kCoverage};\n\n"
         "}  // namespace\n\n"
         "const GlyphTable& LabGlyphTable() { return kTable; }\n\n"
         "}  // namespace lab::text\n";
  out.close();
  if (!out) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  std::printf("glyph table: %zu fonts, %zu coverage bytes\n", fonts.size(), writer.size);
  return 0;
}
