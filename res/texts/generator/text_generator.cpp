// lab_text_generator <output folder> <first language's catalogue> [<catalogue>...]
//
// Reads the text catalogues (res/texts/<language>.txt) and writes, into the
// output folder:
//   res/texts/text_id.h  the enum TextId, one name per text of the first
//                        catalogue, in its order;
//   text_tables.cpp      every language's texts as constant tables;
//   lab_texts.js         the same texts for the page, as one object.
// The first catalogue (Catalan) names the texts; every other one must give
// each of them, no other, with the same printf conversions in the same
// order (a translated message is formatted with the same arguments).
// Anything else stops the build with the file and line.
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace lab {

namespace {

struct Entry {
  std::string name;
  std::string text;  // UTF-8, escapes resolved
  int line;
};

struct Catalogue {
  std::string code;  // the file's name without ".txt": "ca"
  std::string path;
  std::vector<Entry> entries;
};

bool Fail(const std::string& where, const std::string& why) {
  std::fprintf(stderr, "lab_text_generator: %s: %s\n", where.c_str(), why.c_str());
  return false;
}

bool IsName(const std::string& name) {
  if (name.empty() || name[0] < 'A' || name[0] > 'Z') return false;
  for (char c : name) {
    const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    if (!ok) return false;
  }
  return true;
}

// Decodes one UTF-8 sequence at text[i]; -1 when it is not well formed.
long Decode(const std::string& text, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char first = byte(i);
  int more = 0;
  long code = 0;
  if (first < 0x80) {
    ++i;
    return first;
  } else if ((first & 0xE0) == 0xC0) {
    more = 1, code = first & 0x1F;
  } else if ((first & 0xF0) == 0xE0) {
    more = 2, code = first & 0x0F;
  } else if ((first & 0xF8) == 0xF0) {
    more = 3, code = first & 0x07;
  } else {
    return -1;
  }
  if (i + static_cast<std::size_t>(more) >= text.size()) return -1;
  for (int k = 1; k <= more; ++k) {
    const unsigned char c = byte(i + static_cast<std::size_t>(k));
    if ((c & 0xC0) != 0x80) return -1;
    code = (code << 6) | (c & 0x3F);
  }
  static const long kSmallest[] = {0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[more] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return -1;
  i += static_cast<std::size_t>(more) + 1;
  return code;
}

// The text of a line after its tab: \n, \t, \s (a space, for one that would
// otherwise end the line unseen) and \\ are the escapes.
bool Unescape(const std::string& raw, std::string& text, std::string& why) {
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] != '\\') {
      text += raw[i];
      continue;
    }
    if (++i == raw.size()) return why = "a backslash ends the text", false;
    switch (raw[i]) {
      case 'n':
        text += '\n';
        break;
      case 't':
        text += '\t';
        break;
      case 's':
        text += ' ';
        break;
      case '\\':
        text += '\\';
        break;
      default:
        return why = std::string("unknown escape \\") + raw[i], false;
    }
  }
  return true;
}

bool Read(Catalogue& catalogue) {
  std::ifstream in(catalogue.path, std::ios::binary);
  if (!in) return Fail(catalogue.path, "cannot read");
  std::map<std::string, int> seen;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    const std::string where = catalogue.path + ":" + std::to_string(number);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos) return Fail(where, "no tab between the name and the text");
    Entry entry{line.substr(0, tab), "", number};
    if (!IsName(entry.name)) return Fail(where, "\"" + entry.name + "\" is not a name");
    const std::string raw = line.substr(tab + 1);
    if (!raw.empty() && (raw.back() == ' ' || raw.back() == '\t'))
      return Fail(where, "the text ends in a blank; write a final space as \\s");
    std::string why;
    if (!Unescape(raw, entry.text, why)) return Fail(where, why);
    for (std::size_t i = 0; i < entry.text.size();)
      if (Decode(entry.text, i) < 0) return Fail(where, "the text is not UTF-8");
    if (!seen.emplace(entry.name, number).second)
      return Fail(where,
                  entry.name + " is given already on line " + std::to_string(seen[entry.name]));
    catalogue.entries.push_back(entry);
  }
  if (catalogue.entries.empty()) return Fail(catalogue.path, "no text");
  return true;
}

// The printf conversions of a text, in order ("%d %6.1f" -> "d f"); "%%"
// is none.
std::string Conversions(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') continue;
    ++i;
    if (i < text.size() && text[i] == '%') continue;
    while (i < text.size() &&
           std::string("-+ #0123456789.*lhz").find(text[i]) != std::string::npos) {
      if (text[i] == '*') out += '*';
      ++i;
    }
    out += i < text.size() ? text[i] : '?';
    out += ' ';
  }
  return out;
}

bool Match(const Catalogue& first, const Catalogue& other) {
  std::map<std::string, const Entry*> texts;
  for (const Entry& e : other.entries) texts[e.name] = &e;
  bool ok = true;
  for (const Entry& e : first.entries) {
    auto found = texts.find(e.name);
    if (found == texts.end()) {
      ok = Fail(other.path, e.name + " is missing");
      continue;
    }
    if (Conversions(found->second->text) != Conversions(e.text))
      ok = Fail(other.path + ":" + std::to_string(found->second->line),
                e.name + " has other conversions than in " + first.path);
    texts.erase(found);
  }
  for (const auto& [name, entry] : texts)
    ok = Fail(other.path + ":" + std::to_string(entry->line), name + " is not in " + first.path);
  return ok;
}

std::string CppLiteral(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c >= 0x7F) {
      char octal[5];
      std::snprintf(octal, sizeof octal, "\\%03o", c);
      out += octal;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string JsLiteral(const std::string& text) {
  std::string out = "'";
  for (std::size_t i = 0; i < text.size();) {
    long code = Decode(text, i);
    const auto put = [&](long u) {
      char unit[16];
      std::snprintf(unit, sizeof unit, "\\u%04x", static_cast<unsigned>(u & 0xFFFF));
      out += unit;
    };
    if (code >= 0x10000) {
      code -= 0x10000;
      put(0xD800 + (code >> 10));
      put(0xDC00 + (code & 0x3FF));
    } else if (code < 0x20 || code >= 0x7F || code == '\'' || code == '\\' || code == '<') {
      put(code);  // '<' too: the object is inlined in a script element
    } else {
      out += static_cast<char>(code);
    }
  }
  return out + "'";
}

bool Write(const std::string& path, const std::string& content) {
  // Left alone when unchanged, so that nothing that includes it rebuilds.
  std::ifstream old(path, std::ios::binary);
  std::stringstream was;
  was << old.rdbuf();
  if (old && was.str() == content) return true;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
  return out.good() || Fail(path, "cannot write");
}

bool WriteAll(const std::string& folder, const std::vector<Catalogue>& all) {
  const Catalogue& first = all.front();
  std::string header =
      "// Written by lab_text_generator from res/texts: do not edit.\n"
      "#pragma once\n\nnamespace lab {\n\n"
      "// The lab's texts by name; res/texts/" +
      first.code + ".txt gives each its meaning.\nenum class TextId : int {\n";
  for (const Entry& e : first.entries) header += "  " + e.name + ",\n";
  header += "};\n\ninline constexpr int kTextCount = " + std::to_string(first.entries.size()) +
            ";\n\n}  // namespace lab\n";

  std::string tables =
      "// Written by lab_text_generator from res/texts: do not edit.\n"
      "#include \"res/texts/text_tables.h\"\n\nnamespace lab::text_tables {\n\n";
  std::string codes, rows;
  for (const Catalogue& c : all) {
    std::map<std::string, std::string> byName;
    for (const Entry& e : c.entries) byName[e.name] = e.text;
    tables += "const char* const k_" + c.code + "[] = {\n";
    for (const Entry& e : first.entries) tables += "    " + CppLiteral(byName[e.name]) + ",\n";
    tables += "};\n";
    codes += CppLiteral(c.code) + ", ";
    rows += "k_" + c.code + ", ";
  }
  tables += "\nconst int kLanguageCount = " + std::to_string(all.size()) +
            ";\nconst char* const kLanguageCodes[] = {" + codes +
            "};\nconst char* const* const kTexts[] = {" + rows +
            "};\n\n}  // namespace lab::text_tables\n";

  std::string js =
      "// Written by lab_text_generator from res/texts: do not edit.\n"
      "var LAB_TEXTS = {\n";
  for (const Catalogue& c : all) {
    js += "  " + JsLiteral(c.code) + ": {\n";
    for (const Entry& e : c.entries) js += "    " + e.name + ": " + JsLiteral(e.text) + ",\n";
    js += "  },\n";
  }
  js += "};\n";
  return Write(folder + "/res/texts/text_id.h", header) &&
         Write(folder + "/text_tables.cpp", tables) && Write(folder + "/lab_texts.js", js);
}

std::string CodeOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

}  // namespace

}  // namespace lab

using namespace lab;

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: lab_text_generator <output folder> <catalogue.txt>...\n");
    return 2;
  }
  std::vector<Catalogue> all;
  for (int i = 2; i < argc; ++i) {
    Catalogue c{CodeOf(argv[i]), argv[i], {}};
    if (!IsName("A" + c.code)) return Fail(argv[i], "the file's name is not a language code"), 1;
    if (!Read(c)) return 1;
    all.push_back(std::move(c));
  }
  bool ok = true;
  for (std::size_t i = 1; i < all.size(); ++i) ok = Match(all.front(), all[i]) && ok;
  if (!ok || !WriteAll(argv[1], all)) return 1;
  return 0;
}
