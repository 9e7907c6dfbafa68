// catalan_scan <source root> <catalogue> <folder>...
//
// Fails, naming file:line, where a string literal of the C++ and JavaScript
// sources, or a text or a shown attribute of the HTML templates, under the
// given folders holds Catalan: a Catalan letter (à, ç, l·l, but not a
// formula's lone middle dot), a word
// that only a Catalan sentence has ("de", "les", "amb", d'..., s'...), or
// a text of the catalogue spelt out. Comments are not looked at. The
// catalogue's own folder and the tests are not scanned: the tests spell the
// texts they check.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::set<std::string> g_catalogue;  // its texts worth looking for, trimmed
int g_hits = 0;

std::string Utf8(unsigned long code) {
  std::string out;
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
  return out;
}

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\n");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\n") - first + 1);
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Why `text` reads as Catalan, or "" when it does not.
std::string Catalan(const std::string& text) {
  static const char* const kLetters[] = {"à", "è", "é", "í", "ï", "ò", "ó", "ú", "ü", "ç",   "À",
                                         "È", "É", "Í", "Ï", "Ò", "Ó", "Ú", "Ü", "Ç", "l·l", "L·L"};
  for (const char* letter : kLetters)
    if (text.find(letter) != std::string::npos) return std::string("the letter ") + letter;
  if (g_catalogue.count(Trimmed(text)) != 0) return "a text of the catalogue";
  static const std::set<std::string> kWords = {"de",  "del", "dels", "la",      "les",     "el",
                                               "els", "amb", "per",  "una",     "al",      "als",
                                               "que", "hi",  "pel",  "aquesta", "aquest",  "seva",
                                               "cal", "ha",  "han",  "fes",     "escriviu"};
  std::vector<std::string> words;
  std::string word;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const char c = i < text.size() ? text[i] : ' ';
    if (IsLetter(c)) {
      word += c;
      continue;
    }
    // An elided article or pronoun: d'acord, l'alumne, s'ha.
    if (c == '\'' && word.size() == 1 && i + 1 < text.size() && IsLetter(text[i + 1]) &&
        std::string("dlsDLS").find(word[0]) != std::string::npos)
      return "the word " + word + "'";
    if (!word.empty()) words.push_back(word);
    word.clear();
  }
  if (words.size() < 2) return "";
  for (std::string w : words) {
    for (char& c : w) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (kWords.count(w) != 0) return "the word \"" + w + "\"";
  }
  return "";
}

void Report(const fs::path& file, int line, std::string text, const std::string& why) {
  std::replace(text.begin(), text.end(), '\n', ' ');
  std::printf("%s:%d: Catalan outside the catalogue (%s): %s\n", file.c_str(), line, why.c_str(),
              text.c_str());
  ++g_hits;
}

void Check(const fs::path& file, int line, const std::string& text) {
  const std::string why = Catalan(text);
  if (!why.empty()) Report(file, line, text, why);
}

// The value of a C++ or JavaScript literal from s[i] (just after its
// opening quote) to its closing `quote`, escapes resolved; i ends on the
// closing quote. Lines are counted in `line`.
std::string Literal(const std::string& s, std::size_t& i, char quote, int& line) {
  std::string value;
  for (; i < s.size() && s[i] != quote; ++i) {
    if (s[i] == '\n') {
      ++line;
      if (quote != '`') break;  // an unterminated literal: stop at the line's end
    }
    if (s[i] != '\\' || i + 1 >= s.size()) {
      value += s[i];
      continue;
    }
    const char e = s[++i];
    auto hex = [&](std::size_t count) {
      unsigned long code = 0;
      std::size_t k = 0;
      for (; k < count && i + 1 < s.size() && std::isxdigit(static_cast<unsigned char>(s[i + 1]));
           ++k)
        code = code * 16 + std::stoul(std::string(1, s[++i]), nullptr, 16);
      return code;
    };
    if (e == 'u' && i + 1 < s.size() && s[i + 1] == '{') {
      ++i;
      value += Utf8(hex(6));
      if (i + 1 < s.size() && s[i + 1] == '}') ++i;
    } else if (e == 'u') {
      value += Utf8(hex(4));
    } else if (e == 'x') {
      value += static_cast<char>(hex(2));  // C++ bytes make UTF-8 in sequence
    } else if (e >= '0' && e <= '7') {
      unsigned code = static_cast<unsigned>(e - '0');
      for (int k = 0; k < 2 && i + 1 < s.size() && s[i + 1] >= '0' && s[i + 1] <= '7'; ++k)
        code = code * 8 + static_cast<unsigned>(s[++i] - '0');
      value += static_cast<char>(code);
    } else if (e == 'n' || e == 't') {
      value += ' ';
    } else if (e == '\n') {
      ++line;
    } else {
      value += e;
    }
  }
  return value;
}

void ScanCode(const fs::path& file, const std::string& s, bool javascript, int line = 1) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '\n') {
      ++line;
    } else if (c == '/' && i + 1 < s.size() && s[i + 1] == '/') {
      while (i < s.size() && s[i] != '\n') ++i;
      --i;
    } else if (c == '/' && i + 1 < s.size() && s[i + 1] == '*') {
      for (i += 2; i + 1 < s.size() && !(s[i] == '*' && s[i + 1] == '/'); ++i)
        if (s[i] == '\n') ++line;
      ++i;
    } else if (c == '"' || (c == '\'' && javascript) || (c == '`' && javascript)) {
      const int first = line;
      ++i;
      Check(file, first, Literal(s, i, c, line));
    } else if (c == '\'') {  // a C++ character literal, or a digit separator
      if (i + 2 < s.size() && s[i + 1] == '\\') i += 2;
      if (i + 2 < s.size() && s[i + 2] == '\'') i += 2;
    }
  }
}

// An HTML template: the scripts' literals as JavaScript, and the texts and
// shown attributes (title, alt, aria-label, placeholder) of the rest.
void ScanHtml(const fs::path& file, const std::string& s) {
  int line = 1;
  std::string text;
  int textLine = 1;
  auto flush = [&] {
    Check(file, textLine, text);
    text.clear();
  };
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s.compare(i, 4, "<!--") == 0) {
      const std::size_t end = s.find("-->", i);
      for (; i < s.size() && i < end; ++i)
        if (s[i] == '\n') ++line;
      i += 2;
      continue;
    }
    if (s[i] == '<') {
      flush();
      const std::size_t end = s.find('>', i);
      const std::string tag = s.substr(i, end - i);
      for (const char* name : {"title=\"", "alt=\"", "aria-label=\"", "placeholder=\""}) {
        const std::size_t at = tag.find(name);
        if (at != std::string::npos) {
          const std::size_t from = at + std::string(name).size();
          Check(file, line, tag.substr(from, tag.find('"', from) - from));
        }
      }
      for (char c : tag) line += c == '\n';
      i = end;
      for (const char* raw : {"script", "style"}) {
        if (tag.compare(1, std::string(raw).size(), raw) != 0) continue;
        const std::size_t close = s.find(std::string("</") + raw, i);
        const std::string body = s.substr(i + 1, close - i - 1);
        if (std::string(raw) == "script") ScanCode(file, body, true, line);
        for (char c : body) line += c == '\n';
        i = close - 1;
      }
      textLine = line;
      continue;
    }
    if (s[i] == '\n') ++line;
    if (text.empty()) textLine = line;
    text += s[i] == '\n' ? ' ' : s[i];
  }
  flush();
}

bool EndsWith(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

void ReadCatalogue(const fs::path& path) {
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#' || line.find('\t') == std::string::npos) continue;
    const std::string raw = line.substr(line.find('\t') + 1);
    std::string text;
    for (std::size_t i = 0; i < raw.size(); ++i) {
      const bool space = raw[i] == '\\' && i + 1 < raw.size() && raw[i + 1] == 's';
      text += space ? ' ' : raw[i];
      i += space ? 1 : 0;
    }
    text = Trimmed(text);
    // A lone lower-case word ("plot", "start") is too plain to look for.
    bool plain = true;
    for (char c : text) plain = plain && c >= 'a' && c <= 'z';
    if (text.size() >= 4 && !plain) g_catalogue.insert(text);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: catalan_scan <source root> <catalogue> <folder>...\n");
    return 2;
  }
  const fs::path root = argv[1];
  ReadCatalogue(argv[2]);
  if (g_catalogue.empty()) {
    std::fprintf(stderr, "catalan_scan: no text in %s\n", argv[2]);
    return 2;
  }
  std::vector<fs::path> files;
  for (int a = 3; a < argc; ++a) {
    for (const auto& entry : fs::recursive_directory_iterator(root / argv[a])) {
      const std::string path = entry.path().generic_string();
      if (!entry.is_regular_file() || path.find("/res/texts/") != std::string::npos) continue;
      files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  for (const fs::path& path : files) {
    const std::string name = path.generic_string();
    const bool javascript = EndsWith(name, ".js") || EndsWith(name, ".mjs");
    const bool cpp = EndsWith(name, ".cpp") || EndsWith(name, ".h");
    const bool html = EndsWith(name, ".html.in") || EndsWith(name, ".html");
    if (!javascript && !cpp && !html) continue;
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    const fs::path shown = fs::relative(path, root);
    if (html) {
      ScanHtml(shown, content.str());
    } else {
      ScanCode(shown, content.str(), javascript);
    }
  }
  if (g_hits > 0) std::printf("%d Catalan texts outside res/texts\n", g_hits);
  return g_hits > 0 ? 1 : 0;
}
