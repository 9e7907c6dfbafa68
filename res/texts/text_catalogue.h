// The lab's texts: every text a user sees, by name, in the current
// language. The catalogues are res/texts/<language>.txt, one text a line;
// the build turns them into the TextId names and constant tables
// (res/texts/generator), so a name that no catalogue gives does not
// compile. Catalan ("ca") is the first language and the current one until
// SetLanguage changes it; a caller asks for a text where it shows it and
// keeps no copy, so a change of language reaches every later text.
#pragma once

#include <string_view>
#include <vector>

#include "res/texts/text_id.h"

namespace lab {

// The text of `id` in the current language: UTF-8, never null, alive as
// long as the program.
const char* TextOf(TextId id);
// The text of `id` in the language of `code`; in the first language when
// no catalogue has that code.
const char* TextIn(std::string_view code, TextId id);

// The current language's code: "ca" until SetLanguage changes it.
std::string_view CurrentLanguage();
// Makes the language of `code` current; false, and nothing changed, when no
// catalogue has it.
bool SetLanguage(std::string_view code);
// Every language's code, the first (the default) first.
std::vector<std::string_view> Languages();

}  // namespace lab
