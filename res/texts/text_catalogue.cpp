#include "res/texts/text_catalogue.h"

#include "res/texts/text_tables.h"

namespace lab {

namespace {

int g_language = 0;  // an index of text_tables::kLanguageCodes

int LanguageIndex(std::string_view code) {
  for (int i = 0; i < text_tables::kLanguageCount; ++i) {
    if (code == text_tables::kLanguageCodes[i]) return i;
  }
  return -1;
}

const char* Row(int language, TextId id) {
  const int i = static_cast<int>(id);
  if (i < 0 || i >= kTextCount) return "";
  return text_tables::kTexts[language][i];
}

}  // namespace

const char* TextOf(TextId id) { return Row(g_language, id); }

const char* TextIn(std::string_view code, TextId id) {
  const int language = LanguageIndex(code);
  return Row(language < 0 ? 0 : language, id);
}

std::string_view CurrentLanguage() { return text_tables::kLanguageCodes[g_language]; }

bool SetLanguage(std::string_view code) {
  const int language = LanguageIndex(code);
  if (language < 0) return false;
  g_language = language;
  return true;
}

std::vector<std::string_view> Languages() {
  return {text_tables::kLanguageCodes, text_tables::kLanguageCodes + text_tables::kLanguageCount};
}

}  // namespace lab
