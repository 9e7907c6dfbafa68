// The glyph source of this build: the desktop build takes its glyphs from
// the installed fonts through FreeType (system_glyphs_freetype.cpp), the
// browser build from the glyph table built into the program
// (system_glyphs_table.cpp). The build picks one of the two files.
#pragma once

#include <memory>

#include "platform/text/glyph_source.h"

namespace lab {

namespace text {

std::unique_ptr<GlyphSource> MakeSystemGlyphSource();

}  // namespace text

}  // namespace lab
