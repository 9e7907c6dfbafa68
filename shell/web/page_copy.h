// Texts the core hands to the page: a copy made with malloc, which the
// page reads and frees.
#pragma once

#include <cstdlib>
#include <cstring>
#include <string>

namespace lab {

inline char* CopyForPage(const std::string& text) {
  char* copy = static_cast<char*>(std::malloc(text.size() + 1));
  if (copy != nullptr) std::memcpy(copy, text.c_str(), text.size() + 1);
  return copy;
}

}  // namespace lab
