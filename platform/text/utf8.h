// Decoding of UTF-8 text into code points.
#pragma once

#include <cstddef>
#include <string_view>

namespace lab {

namespace text {

// The code point substituted for every malformed sequence.
constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the code point that starts at text[pos] and advances pos past it.
// A malformed, overlong, surrogate or truncated sequence yields
// kReplacementCharacter and consumes one byte. pos must be < text.size().
char32_t DecodeUtf8(std::string_view text, std::size_t& pos);

}  // namespace text

}  // namespace lab
