#include "platform/text/font_library.h"
#include "platform/text/system_glyphs.h"

namespace lab {

namespace text {

std::unique_ptr<GlyphSource> MakeSystemGlyphSource() {
  return std::make_unique<FontLibrary>(nullptr);
}

}  // namespace text

}  // namespace lab
