// The series the lab keeps between runs: the table being measured and the
// previous series, as one small text that the host stores under a name
// (a file in the user's state folder on the desktop, local storage in a
// browser).
//
// The text, every line ended by "\n":
//
//   trelko-series 1
//   current <n>
//   <m> <T²>            n lines, kg and s², shortest exact decimals
//   previous <p>
//   <m> <T²>            p lines
//
// A series measured on a string of a code (experiment/string_code.h) is
// written as version 2, whose count lines carry the table's code, "-" for
// the lab's own string:
//
//   trelko-series 2
//   current <n> <code>
//   ...
//   previous <p> <code>
//   ...
//
// A text without codes is written as version 1, as before codes existed,
// and both versions are read.
//
// A text that is not exactly this is ignored as a whole: a missing or
// unknown version line, a count above 100 or not matching its lines, a
// number that is not a plain finite decimal or lies outside its range
// (mass 0.7 to 1.9 kg, the rack's range; T² above 0 and at most 1e12 s²),
// a code that is not valid or not in capitals, anything after the last line, a missing last line
// end (a cut file), or a text longer than any the lab writes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "experiment/point_series.h"

namespace lab {

struct KeptSeries {
  PointSeries current;
  PointSeries previous;
  // The codes of the strings they were measured on, "" for the lab's own.
  std::string currentCode = {};
  std::string previousCode = {};
  bool operator==(const KeptSeries&) const = default;
};

// The name the lab stores the text under.
inline constexpr const char* kKeptSeriesName = "series";
inline constexpr const char* kKeptSeriesVersionLine = "trelko-series 1";
inline constexpr const char* kKeptSeriesWithCodesLine = "trelko-series 2";
// No text the lab writes is longer (two full tables of long numbers).
inline constexpr std::size_t kKeptSeriesMaxBytes = 16384;

std::string WriteKeptSeries(const KeptSeries& kept);
std::optional<KeptSeries> ReadKeptSeries(std::string_view text);

}  // namespace lab
