#include "platform/text/glyph_table.h"
#include "platform/text/system_glyphs.h"

namespace lab {

namespace text {

std::unique_ptr<GlyphSource> MakeSystemGlyphSource() {
  return std::make_unique<GlyphTableSource>(LabGlyphTable());
}

}  // namespace text

}  // namespace lab
