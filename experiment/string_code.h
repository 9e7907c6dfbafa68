// Codes that give a lab its own string: six characters of a 32-symbol
// alphabet without look-alikes, the last a check character, and the
// string's elastic constant k that a valid code fixes.
//
// The symbols 23456789ABCDEFGHJKLMNPQRSTUVWXYZ have the values 0 to 31 in
// that order (5 bits each). The first five carry 25 bits of data; the
// sixth makes the code's check sum zero. The check sum is taken in the
// field of 32 elements GF(2^5) (the polynomial x^5 + x^2 + 1, a primitive
// one, its root a):
//
//   s = v0·a^5 + v1·a^4 + v2·a^3 + v3·a^2 + v4·a + v5 = 0
//
// Every symbol has its own non-zero weight, so a single wrong character
// changes s by weight·(difference), never zero; two neighbours a and b
// swapped change it by (a + b)·a^i·(1 + a), never zero for a ≠ b. Both
// kinds of typing error are refused, never taken for another code.
//
// k, in tenths of N/m: 280 + Mix(data) mod 51, so k runs from 28.0 to
// 33.0 N/m in steps of 0.1, where data is the five symbols' 25-bit value
// (v0 the highest five bits) and Mix the 32-bit mix
//   x ^= x >> 16; x *= 0x7feb352d; x ^= x >> 15; x *= 0x846ca68b; x ^= x >> 16
// in unsigned 32-bit arithmetic. The double is tenths / 10.0, one
// correctly rounded division, so every build gives the same bits.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lab {

namespace string_code {

inline constexpr std::string_view kAlphabet = "23456789ABCDEFGHJKLMNPQRSTUVWXYZ";
inline constexpr int kLength = 6;
inline constexpr int kDataSymbols = 5;
inline constexpr std::uint32_t kDataValues = 1u << 25;
// The range of the codes' k, in tenths of N/m.
inline constexpr int kMinTenths = 280;
inline constexpr int kMaxTenths = 330;
// The teacher's list holds 1 to 60 codes.
inline constexpr int kMaxClassSize = 60;

enum class CodeStatus { Empty, Valid, WrongLength, UnknownCharacter, WrongCheck };

struct ParsedCode {
  CodeStatus status = CodeStatus::Empty;
  std::string code;  // the six symbols in capitals when Valid, else ""
};

// Reads a typed code: blanks and tabs around it ignored, either case.
ParsedCode ParseCode(std::string_view typed);
// What is wrong with a code, in the current language; "" for Empty and Valid.
const char* CodeProblem(CodeStatus status);

// The 32-bit mix above.
std::uint32_t Mix(std::uint32_t x);
// The code of a 25-bit data value (its check character added).
std::string CodeOfData(std::uint32_t data);
// k of a valid code (as ParseCode gives it): tenths of N/m, and N/m.
int TenthsOfCode(std::string_view code);
double KOfCode(std::string_view code);

// The teacher's list: `count` distinct codes for a class word (blanks
// around it ignored, letters as typed), the same for the same word. Row r
// (from 1) takes the data Mix(Mix(h ^ Mix(r)) + attempt) & 0x1ffffff, h
// the 32-bit FNV-1a hash of the word's UTF-8 bytes, attempt from 0 up to
// the first value no earlier row took. Empty for an empty word or a count
// outside 1..kMaxClassSize.
std::vector<std::string> ClassCodes(std::string_view word, int count);

// k in tenths as text with one decimal and the given separator ("28.3").
std::string TenthsText(int tenths, char separator = '.');

}  // namespace string_code

}  // namespace lab
