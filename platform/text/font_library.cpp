#include "platform/text/font_library.h"

#include FT_ADVANCES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace lab {

namespace text {
namespace {

// The family that serves every face that is not installed.
constexpr const char* kFallbackFamily = "serif";

FaceMetrics MeasureFace(FT_Face ft) {
  FaceMetrics m;
  m.unitsPerEm = std::max<int>(ft->units_per_EM, 1);
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ft, FT_SFNT_OS2));
  if (os2 != nullptr && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
    m.winAscent = os2->usWinAscent;
    m.winDescent = os2->usWinDescent;
  } else if (ft->ascender - ft->descender > 0) {
    m.winAscent = ft->ascender;
    m.winDescent = -ft->descender;
  } else {
    m.winAscent = static_cast<int>(ft->bbox.yMax);
    m.winDescent = static_cast<int>(-ft->bbox.yMin);
  }

  std::array<int, 27> advances{};
  bool complete = true;
  for (std::size_t i = 0; i < advances.size() && complete; ++i) {
    const FT_ULong character = i < 26 ? 'a' + i : ' ';
    const FT_UInt index = FT_Get_Char_Index(ft, character);
    FT_Fixed advance = 0;
    if (index == 0 || FT_Get_Advance(ft, index, FT_LOAD_NO_SCALE, &advance) != 0) {
      complete = false;
    } else {
      advances[i] = static_cast<int>(advance);
    }
  }
  if (complete) {
    m.averageWidth = WeightedLowercaseAverage(advances);
  } else if (os2 != nullptr && os2->version != 0xFFFF && os2->xAvgCharWidth > 0) {
    m.averageWidth = os2->xAvgCharWidth;
  } else {
    m.averageWidth = m.unitsPerEm / 2.0;
  }
  return m;
}

// Coverage is raised to the power 1 / kCoverageGamma when a glyph is
// rendered: blended without it, the one-pixel stems of small text on a light
// ground come out grey and thin.
constexpr double kCoverageGamma = 1.4;

std::uint8_t AdjustedCoverage(unsigned coverage) {
  static const std::array<std::uint8_t, 256> table = [] {
    std::array<std::uint8_t, 256> t{};
    for (std::size_t i = 0; i < t.size(); ++i) {
      t[i] = static_cast<std::uint8_t>(
          std::lround(255.0 * std::pow(static_cast<double>(i) / 255.0, 1.0 / kCoverageGamma)));
    }
    return t;
  }();
  return table[std::min(coverage, 255u)];
}

// Copies a rendered FreeType bitmap into a glyph's coverage.
void CopyBitmap(const FT_Bitmap& bitmap, Glyph& glyph) {
  glyph.width = static_cast<int>(bitmap.width);
  glyph.rows = static_cast<int>(bitmap.rows);
  glyph.coverage.assign(static_cast<std::size_t>(glyph.width) * glyph.rows, 0);
  if (bitmap.buffer == nullptr) return;
  const int stride = std::abs(bitmap.pitch);
  for (int r = 0; r < glyph.rows; ++r) {
    // A negative pitch stores the rows bottom up.
    const int memoryRow = bitmap.pitch >= 0 ? r : glyph.rows - 1 - r;
    const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(memoryRow) * stride;
    std::uint8_t* out = glyph.coverage.data() + static_cast<std::size_t>(r) * glyph.width;
    for (int c = 0; c < glyph.width; ++c) {
      if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
        out[c] = (row[c >> 3] & (0x80 >> (c & 7))) != 0 ? 255 : 0;
      } else if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
        const unsigned grays = std::max<unsigned>(bitmap.num_grays, 2);
        out[c] = AdjustedCoverage(grays == 256 ? row[c] : row[c] * 255u / (grays - 1));
      }
    }
  }
}

// Turns a glyph by quarter turns counter-clockwise on the screen (y down).
// A pixel at (u, v) from the pen (u along the baseline, v downwards) goes
// to (v, -u - 1) for one turn, (-u - 1, -v - 1) for two and (-v - 1, u) for
// three.
void TurnGlyph(Glyph& glyph, int quarterTurns) {
  if (quarterTurns == 0) return;
  const int w = glyph.width;
  const int h = glyph.rows;
  std::vector<std::uint8_t> turned(glyph.coverage.size());
  const auto at = [&](int c, int r) { return glyph.coverage[static_cast<std::size_t>(r) * w + c]; };
  Glyph out;
  if (quarterTurns == 2) {
    out.width = w;
    out.rows = h;
    out.left = -glyph.left - w;
    out.top = h - glyph.top;
    for (int r = 0; r < h; ++r)
      for (int c = 0; c < w; ++c)
        turned[static_cast<std::size_t>(r) * w + c] = at(w - 1 - c, h - 1 - r);
  } else {
    out.width = h;
    out.rows = w;
    if (quarterTurns == 1) {
      out.left = -glyph.top;
      out.top = glyph.left + w;
    } else {
      out.left = glyph.top - h;
      out.top = -glyph.left;
    }
    for (int r = 0; r < w; ++r)
      for (int c = 0; c < h; ++c)
        turned[static_cast<std::size_t>(r) * h + c] =
            quarterTurns == 1 ? at(w - 1 - r, c) : at(r, h - 1 - c);
  }
  glyph.width = out.width;
  glyph.rows = out.rows;
  glyph.left = out.left;
  glyph.top = out.top;
  glyph.coverage = std::move(turned);
}

}  // namespace

FontLibrary::FontLibrary(const char* fontconfigFile) {
  if (FT_Init_FreeType(&m_library) != 0) m_library = nullptr;
  if (fontconfigFile == nullptr) {
    m_config = FcInitLoadConfigAndFonts();
  } else {
    m_config = FcConfigCreate();
    if (m_config != nullptr &&
        (!FcConfigParseAndLoad(m_config, reinterpret_cast<const FcChar8*>(fontconfigFile),
                               FcTrue) ||
         !FcConfigBuildFonts(m_config))) {
      FcConfigDestroy(m_config);
      m_config = nullptr;
    }
  }
}

FontLibrary::~FontLibrary() {
  m_fonts.clear();
  m_resolved.clear();
  for (auto& [key, face] : m_faces) FT_Done_Face(face->ft);
  m_faces.clear();
  if (m_library != nullptr) FT_Done_FreeType(m_library);
  if (m_config != nullptr) FcConfigDestroy(m_config);
}

SizedFont* FontLibrary::Find(const LogFont& log) {
  if (m_hasLast && log == m_lastLog) return m_lastFont;
  const bool bold = IsBold(log);
  const int angle = NormalisedAngle(log.escapement);
  FontKey key{log.face, log.height, log.width, angle, bold, log.italic};
  auto it = m_fonts.find(key);
  if (it == m_fonts.end()) {
    std::unique_ptr<SizedFont> font;
    if (Face* face = Resolve(log.face, bold, log.italic); face != nullptr) {
      font = std::make_unique<SizedFont>();
      font->face = face;
      font->metrics = ScaleFace(face->metrics, log.height, log.width);
      font->faceFile = face->file;
      font->charHeight = static_cast<FT_F26Dot6>(font->metrics.ppem) * 64;
      font->charWidth =
          std::max<FT_F26Dot6>(std::lround(font->metrics.ppem * font->metrics.xScale * 64.0), 1);
      font->angle = angle;
    }
    it = m_fonts.emplace(std::move(key), std::move(font)).first;
  }
  m_lastLog = log;
  m_lastFont = it->second.get();
  m_hasLast = true;
  return m_lastFont;
}

const Glyph& SizedFont::GlyphOf(char32_t character) {
  auto it = glyphs.find(character);
  if (it != glyphs.end()) return it->second;
  Glyph glyph;
  Render(character, glyph);
  return glyphs.emplace(character, std::move(glyph)).first->second;
}

Face* FontLibrary::Resolve(const std::string& family, bool bold, bool italic) {
  auto key = std::make_tuple(family, bold, italic);
  if (auto it = m_resolved.find(key); it != m_resolved.end()) return it->second;
  Face* face = nullptr;
  if (m_config != nullptr && m_library != nullptr) {
    FcPattern* pattern = FcPatternCreate();
    if (!family.empty()) {
      FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    }
    // After the family asked for (and whatever fontconfig substitutes for
    // it) comes the generic serif family, so that a missing face is served
    // by a serif one rather than by the configuration's default.
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(kFallbackFamily));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(m_config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    // Candidates best first; one that FreeType cannot open or scale is
    // passed over.
    FcFontSet* candidates = FcFontSort(m_config, pattern, FcTrue, nullptr, &result);
    if (candidates != nullptr) {
      for (int i = 0; i < candidates->nfont && face == nullptr; ++i) {
        FcChar8* file = nullptr;
        int index = 0;
        if (FcPatternGetString(candidates->fonts[i], FC_FILE, 0, &file) != FcResultMatch) continue;
        if (FcPatternGetInteger(candidates->fonts[i], FC_INDEX, 0, &index) != FcResultMatch) {
          index = 0;
        }
        face = Open(reinterpret_cast<const char*>(file), index);
      }
      FcFontSetDestroy(candidates);
    }
    FcPatternDestroy(pattern);
  }
  m_resolved.emplace(std::move(key), face);
  return face;
}

Face* FontLibrary::Open(const std::string& file, int index) {
  auto key = std::make_pair(file, index);
  if (auto it = m_faces.find(key); it != m_faces.end()) return it->second.get();
  FT_Face ft = nullptr;
  if (FT_New_Face(m_library, file.c_str(), index, &ft) != 0) return nullptr;
  if (!FT_IS_SCALABLE(ft)) {
    FT_Done_Face(ft);
    return nullptr;
  }
  auto face = std::make_unique<Face>();
  face->file = file;
  face->index = index;
  face->ft = ft;
  face->metrics = MeasureFace(ft);
  return m_faces.emplace(std::move(key), std::move(face)).first->second.get();
}

void SizedFont::Render(char32_t character, Glyph& glyph) {
  Face& f = *face;
  if (f.sizeWidth != charWidth || f.sizeHeight != charHeight) {
    if (FT_Set_Char_Size(f.ft, charWidth, charHeight, 72, 72) != 0) return;
    f.sizeWidth = charWidth;
    f.sizeHeight = charHeight;
  }
  // Quarter turns turn the rendered bitmap, so that turned text has exactly
  // the pixels of level text; other angles are rendered turned.
  const int quarterTurns = angle % 900 == 0 ? angle / 900 : -1;
  if (quarterTurns >= 0) {
    FT_Set_Transform(f.ft, nullptr, nullptr);
  } else {
    const double radians = angle * std::numbers::pi / 1800.0;
    const auto fixed = [](double v) { return static_cast<FT_Fixed>(std::lround(v * 65536.0)); };
    FT_Matrix matrix{fixed(std::cos(radians)), fixed(-std::sin(radians)), fixed(std::sin(radians)),
                     fixed(std::cos(radians))};
    FT_Set_Transform(f.ft, &matrix, nullptr);
  }
  const FT_UInt index = FT_Get_Char_Index(f.ft, character);
  glyph.missing = index == 0;
  // Light hinting snaps the glyphs to the pixel grid vertically only, which
  // keeps small text crisp without distorting the widened shapes.
  if (FT_Load_Glyph(f.ft, index, FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP) != 0) return;
  FT_GlyphSlot slot = f.ft->glyph;
  glyph.advance = static_cast<int>((slot->metrics.horiAdvance + 32) >> 6);
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return;
  CopyBitmap(slot->bitmap, glyph);
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  if (quarterTurns > 0) TurnGlyph(glyph, quarterTurns);
}

}  // namespace text

}  // namespace lab
