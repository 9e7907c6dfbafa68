// The generated tables behind text_catalogue.h (text_tables.cpp, written
// by the text generator at build time): one row of texts per language, in
// the order of the TextId names.
#pragma once

#include "res/texts/text_id.h"

namespace lab::text_tables {

extern const int kLanguageCount;
extern const char* const kLanguageCodes[];
extern const char* const* const kTexts[];

}  // namespace lab::text_tables
