// The graph's layout and every text written on it: the tick labels of its
// fixed grid and the three axis titles, each with its font. The lab's paint
// code and the glyph table generator both take them from here, so that the
// table covers exactly what the lab writes.
#pragma once

#include <string>
#include <vector>

#include "draw/plot_area.h"

namespace lab {

// The axis titles are the catalogue's GraphXTitle, GraphYTitle and
// GraphYTitleSmall (the exponents over the y title).
inline constexpr bool kGraphTitlesItalic = false;

// Puts the graph's rectangle, world ranges and grid in place.
void LayOutGraph(CPlotArea& graph);
// Gives the graph its world ranges and grid again, leaving its rectangle.
void ResetGraphWorld(CPlotArea& graph);

struct GraphText {
  LogFont font;
  std::string text;
};

// Every text the graph writes, in drawing order: the tick labels, then the
// titles of every language of the catalogue (the glyph table must hold
// whichever language is chosen), each once.
std::vector<GraphText> GraphTexts();

}  // namespace lab
