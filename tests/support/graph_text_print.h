// How test names and failures show a graph text: its text and font.
#pragma once

#include <ostream>

#include "experiment/graph_texts.h"

namespace lab {

inline void PrintTo(const GraphText& t, std::ostream* os) {
  *os << '"' << t.text << "\" in " << t.font.face << ' ' << t.font.height << 'x' << t.font.width
      << " at " << t.font.escapement << (t.font.italic ? " italic" : "");
}

}  // namespace lab
