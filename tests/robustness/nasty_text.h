// Texts a student might type or paste into the count box, nasty ones first.
#pragma once

#include <random>
#include <string>
#include <vector>

namespace lab {

inline const std::vector<std::string>& NastyCountTexts() {
  static const std::vector<std::string> texts = {"",
                                                 " ",
                                                 "   ",
                                                 "\t",
                                                 "abc",
                                                 "+",
                                                 "-",
                                                 "--5",
                                                 "0",
                                                 "-1",
                                                 "1000",
                                                 "2147483648",
                                                 "-2147483649",
                                                 std::string(70, '9'),
                                                 "12abc",
                                                 "1.9",
                                                 " 7 ",
                                                 "1e3",
                                                 "0x10",
                                                 "\xd0\x96",
                                                 "\xe4\xb8\x83",
                                                 "\xf0\x9f\x98\x80",
                                                 "\xff\xfe",
                                                 "9\xcc\x81",
                                                 "%s%n%d",
                                                 "999",
                                                 "1",
                                                 "10",
                                                 "20",
                                                 std::string(10000, '5'),
                                                 std::string(10000, 'x')};
  return texts;
}

inline std::string RandomCountText(std::mt19937_64& rng) {
  const auto& texts = NastyCountTexts();
  std::uniform_int_distribution<std::size_t> pick(0, texts.size() + 2);
  const std::size_t i = pick(rng);
  if (i < texts.size()) return texts[i];
  // Random bytes, any value.
  std::uniform_int_distribution<int> length(0, 12);
  std::uniform_int_distribution<int> byte(1, 255);
  std::string s;
  for (int n = length(rng); n > 0; --n) s.push_back(static_cast<char>(byte(rng)));
  return s;
}

}  // namespace lab
