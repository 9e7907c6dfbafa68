// A known table and the report's exact texts for it, shared by the tests of
// the texts and of the lab's menu commands.
#pragma once

#include <initializer_list>
#include <utility>

#include "experiment/point_series.h"

namespace lab {

namespace report_tables {

// A series of (mass, T^2) points, in order.
inline PointSeries SeriesOf(std::initializer_list<std::pair<double, double>> points) {
  PointSeries s;
  for (const auto& [mass, t2] : points) s.Add(mass, t2);
  return s;
}
// Three points at 0.7, 1.0 and 1.2 kg.
inline PointSeries KnownSeries() { return SeriesOf({{0.7, 1.0}, {1.0, 1.44}, {1.2, 1.69}}); }
// Three points at one mass: the fit fails.
inline PointSeries SameMassSeries() { return SeriesOf({{1.2, 1.69}, {1.2, 1.70}, {1.2, 1.71}}); }

inline constexpr const char* kKnownTabText =
    "Punt\tm (kg)\tT\u00b2 (s\u00b2)\n"
    "1\t0,7\t1\n"
    "2\t1\t1,44\n"
    "3\t1,2\t1,69\n"
    "\n"
    "\tValor\tError est\u00e0ndard\n"
    "Pendent (s\u00b2/kg)\t1,38684\t0,0592544\n"
    "Ordenada a l'origen (s\u00b2)\t0,0360526\t0,058559\n"
    "k (N/m)\t28,4664\t1,21626\n"
    "Nombre de punts\t3\n";

inline constexpr const char* kKnownHtml =
    "<html><head><meta charset=\"utf-8\"></head><body>\n"
    "<table border=\"1\">\n"
    "<tr><th>Punt</th><th>m (kg)</th><th>T\u00b2 (s\u00b2)</th></tr>\n"
    "<tr><td>1</td><td>0,7</td><td>1</td></tr>\n"
    "<tr><td>2</td><td>1</td><td>1,44</td></tr>\n"
    "<tr><td>3</td><td>1,2</td><td>1,69</td></tr>\n"
    "<tr></tr>\n"
    "<tr><th></th><th>Valor</th><th>Error est\u00e0ndard</th></tr>\n"
    "<tr><td>Pendent (s\u00b2/kg)</td><td>1,38684</td><td>0,0592544</td></tr>\n"
    "<tr><td>Ordenada a l'origen (s\u00b2)</td><td>0,0360526</td><td>0,058559</td></tr>\n"
    "<tr><td>k (N/m)</td><td>28,4664</td><td>1,21626</td></tr>\n"
    "<tr><td>Nombre de punts</td><td>3</td></tr>\n"
    "</table>\n"
    "</body></html>\n";

inline constexpr const char* kKnownCsv =
    "\xEF\xBB\xBF"
    "Punt;m (kg);T\u00b2 (s\u00b2)\r\n"
    "1;0,7;1\r\n"
    "2;1;1,44\r\n"
    "3;1,2;1,69\r\n"
    "\r\n"
    ";Valor;Error est\u00e0ndard\r\n"
    "Pendent (s\u00b2/kg);1,38684;0,0592544\r\n"
    "Ordenada a l'origen (s\u00b2);0,0360526;0,058559\r\n"
    "k (N/m);28,4664;1,21626\r\n"
    "Nombre de punts;3\r\n";

inline constexpr const char* kSameMassTabText =
    "Punt\tm (kg)\tT\u00b2 (s\u00b2)\n"
    "1\t1,2\t1,69\n"
    "2\t1,2\t1,7\n"
    "3\t1,2\t1,71\n"
    "\n"
    " El pendent de la recta no s'ha pogut calcular\n";

inline constexpr const char* kSameMassCsv =
    "\xEF\xBB\xBF"
    "Punt;m (kg);T\u00b2 (s\u00b2)\r\n"
    "1;1,2;1,69\r\n"
    "2;1,2;1,7\r\n"
    "3;1,2;1,71\r\n"
    "\r\n"
    " El pendent de la recta no s'ha pogut calcular\r\n";

}  // namespace report_tables

}  // namespace lab
