#include "experiment/string_code.h"
#include "res/texts/text_catalogue.h"

#include <algorithm>

namespace lab {

namespace string_code {
namespace {

// Multiplication by the root a of x^5 + x^2 + 1 in GF(2^5).
constexpr int TimesRoot(int v) {
  v <<= 1;
  return (v & 0x20) != 0 ? v ^ 0x25 : v;
}

// The value of a symbol in either case, -1 outside the alphabet.
int SymbolValue(char c) {
  if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  const std::size_t at = kAlphabet.find(c);
  return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

// The check sum of the symbols so far (Horner's rule: s = s·a + v).
int CheckSum(std::string_view code) {
  int s = 0;
  for (char c : code) s = TimesRoot(s) ^ SymbolValue(c);
  return s;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::uint32_t WordHash(std::string_view word) {
  std::uint32_t h = 2166136261u;
  for (char c : word) {
    h ^= static_cast<unsigned char>(c);
    h *= 16777619u;
  }
  return h;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::uint32_t DataOfCode(std::string_view code) {
  std::uint32_t data = 0;
  for (int i = 0; i < kDataSymbols; ++i) {
    data = (data << 5) | static_cast<std::uint32_t>(SymbolValue(code[i]));
  }
  return data;
}

}  // namespace

ParsedCode ParseCode(std::string_view typed) {
  const std::string_view text = Trimmed(typed);
  if (text.empty()) return {};
  // Length first: a code of another length says so whatever it holds
  // (counted in characters, so a letter outside ASCII counts once).
  const auto characters =
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
  if (characters != kLength) return {CodeStatus::WrongLength, ""};
  std::string code;
  for (char c : text) {
    const int v = SymbolValue(c);
    if (v < 0) return {CodeStatus::UnknownCharacter, ""};
    code += kAlphabet[static_cast<std::size_t>(v)];
  }
  if (CheckSum(code) != 0) return {CodeStatus::WrongCheck, ""};
  return {CodeStatus::Valid, code};
}

const char* CodeProblem(CodeStatus status) {
  switch (status) {
    case CodeStatus::WrongLength:
      return TextOf(TextId::CodeWrongLength);
    case CodeStatus::UnknownCharacter:
    case CodeStatus::WrongCheck:
      return TextOf(TextId::CodeNotValid);
    default:
      return "";
  }
}

std::uint32_t Mix(std::uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352du;
  x ^= x >> 15;
  x *= 0x846ca68bu;
  x ^= x >> 16;
  return x;
}

std::string CodeOfData(std::uint32_t data) {
  std::string code;
  for (int i = kDataSymbols - 1; i >= 0; --i) {
    code += kAlphabet[(data >> (5 * i)) & 31u];
  }
  // s·a + v5 = 0: v5 is the sum of the five symbols times a (in GF(2^5)
  // adding and subtracting are the same).
  code += kAlphabet[static_cast<std::size_t>(TimesRoot(CheckSum(code)))];
  return code;
}

int TenthsOfCode(std::string_view code) {
  const int span = kMaxTenths - kMinTenths + 1;
  return kMinTenths + static_cast<int>(Mix(DataOfCode(code)) % static_cast<std::uint32_t>(span));
}

double KOfCode(std::string_view code) { return TenthsOfCode(code) / 10.0; }

std::vector<std::string> ClassCodes(std::string_view word, int count) {
  std::vector<std::string> codes;
  const std::string_view text = Trimmed(word);
  if (text.empty() || count < 1 || count > kMaxClassSize) return codes;
  const std::uint32_t h = WordHash(text);
  std::vector<std::uint32_t> taken;
  for (int row = 1; row <= count; ++row) {
    const std::uint32_t seed = Mix(h ^ Mix(static_cast<std::uint32_t>(row)));
    for (std::uint32_t attempt = 0;; ++attempt) {
      const std::uint32_t data = Mix(seed + attempt) & (kDataValues - 1);
      if (std::find(taken.begin(), taken.end(), data) != taken.end()) continue;
      taken.push_back(data);
      codes.push_back(CodeOfData(data));
      break;
    }
  }
  return codes;
}

std::string TenthsText(int tenths, char separator) {
  std::string text = std::to_string(tenths / 10);
  text += separator;
  text += static_cast<char>('0' + tenths % 10);
  return text;
}

}  // namespace string_code

}  // namespace lab
