// Faces found through fontconfig and opened with FreeType, and the glyphs
// rendered from them, all cached for the life of the library.
//
// A logical font is resolved to a face file by family name, weight
// (> 550 bold) and slant; a family that is not installed falls back to the
// generic serif family. The face is then sized by the rules of font_scale.h
// and turned by the escapement. Rendered glyphs are kept per sized font and
// character, so text that is drawn again costs only the compositing.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <fontconfig/fontconfig.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>

#include "platform/gdi_objects.h"
#include "platform/text/glyph_source.h"

namespace lab {

namespace text {

// One face file opened with FreeType.
struct Face {
  std::string file;
  int index = 0;
  FT_Face ft = nullptr;
  FaceMetrics metrics;
  // The character size set on ft last (26.6 pixels).
  FT_F26Dot6 sizeWidth = 0;
  FT_F26Dot6 sizeHeight = 0;
};

// A face at one pixel size, width scale and escapement, rendered by
// FreeType on demand.
class SizedFont : public SizedFace {
 public:
  const Glyph& GlyphOf(char32_t character) override;

  Face* face = nullptr;
  FT_F26Dot6 charWidth = 0;   // 26.6 pixels (em width after the width scale)
  FT_F26Dot6 charHeight = 0;  // 26.6 pixels (em height)
  std::unordered_map<char32_t, Glyph> glyphs;

 private:
  void Render(char32_t character, Glyph& glyph);
};

class FontLibrary : public GlyphSource {
 public:
  // fontconfigFile names a fontconfig configuration to use instead of the
  // system's (nullptr: the system's).
  explicit FontLibrary(const char* fontconfigFile);
  ~FontLibrary();
  FontLibrary(const FontLibrary&) = delete;
  FontLibrary& operator=(const FontLibrary&) = delete;

  // The sized font for a logical font; nullptr when no face could be found
  // or opened.
  SizedFont* Find(const LogFont& font) override;

 private:
  Face* Resolve(const std::string& family, bool bold, bool italic);
  Face* Open(const std::string& file, int index);

  FT_Library m_library = nullptr;
  FcConfig* m_config = nullptr;
  std::map<std::pair<std::string, int>, std::unique_ptr<Face>> m_faces;
  std::map<std::tuple<std::string, bool, bool>, Face*> m_resolved;
  using FontKey = std::tuple<std::string, int, int, int, bool, bool>;
  std::map<FontKey, std::unique_ptr<SizedFont>> m_fonts;
  // The last logical font asked for and its answer: text is mostly drawn
  // in runs of one font.
  LogFont m_lastLog;
  SizedFont* m_lastFont = nullptr;
  bool m_hasLast = false;
};

}  // namespace text

}  // namespace lab
