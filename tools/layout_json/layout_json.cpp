// Writes res/lab_layout.h's values as JSON, for the programs that cannot
// include the header: the scripts, the process benchmark and the browser
// tests read <build>/lab_layout.json. Points are [x, y] in client pixels,
// boxes {left, top, width, height}; numbers are written so that they read
// back as the same doubles.
//
//   lab_layout_json <output file>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "res/lab_layout.h"

namespace lab {

namespace {

// The shortest of %.15g .. %.17g that reads back as the same double.
std::string Number(double v) {
  char text[32];
  for (int precision = 15; precision <= 17; ++precision) {
    std::snprintf(text, sizeof text, "%.*g", precision, v);
    if (std::strtod(text, nullptr) == v) break;
  }
  return text;
}

std::string Point(CPoint p) {
  char text[48];
  std::snprintf(text, sizeof text, "[%d, %d]", p.x, p.y);
  return text;
}

using Fields = std::vector<std::pair<const char*, std::string>>;

// An object of fields in order, on one line, or one field a line (indented
// by `indent`) when `lines`.
std::string Object(const Fields& fields, bool lines = false, const char* indent = "") {
  std::string out = lines ? "{\n" : "{";
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out += lines ? ",\n" : ", ";
    if (lines) out = out + indent + "  ";
    out = out + "\"" + fields[i].first + "\": " + fields[i].second;
  }
  return lines ? out + "\n" + indent + "}" : out + "}";
}

std::string BoxOf(const layout::Box& b) {
  return Object({{"left", std::to_string(b.left)},
                 {"top", std::to_string(b.top)},
                 {"width", std::to_string(b.width)},
                 {"height", std::to_string(b.height)}});
}

std::string Weights() {
  using namespace layout;
  std::string out = "[\n";
  for (int i = 0; i < kWeightCount; ++i) {
    out = out + (i == 0 ? "" : ",\n") + "    " +
          Object({{"left", std::to_string(kWeightLeft[i])},
                  {"top", std::to_string(kWeightTop)},
                  {"mass", Number(physical::kWeightMass[i])},
                  {"onStringAtStart", physical::kWeightOnStringAtStart[i] ? "true" : "false"},
                  {"onRack", Point(WeightOnRackPoint(i))},
                  {"emptyPeg", Point(EmptyPegPoint(i))}});
  }
  return out + "\n  ]";
}

std::string Text() {
  using namespace layout;
  using namespace physical;
  const Fields boxWorld = {{"left", Number(kBoxWorldLeft)},
                           {"right", Number(kBoxWorldRight)},
                           {"bottom", Number(kBoxWorldBottom)},
                           {"top", Number(kBoxWorldTop)}};
  const Fields graphWorld = {{"massMin", Number(kGraphMassMin)},
                             {"massMax", Number(kGraphMassMax)},
                             {"t2Min", Number(kGraphT2Min)},
                             {"t2Max", Number(kGraphT2Max)}};
  const Fields stopwatch = {{"powerOn", Point(kPowerOnPoint)},
                            {"powerOff", Point(kPowerOffPoint)},
                            {"reset", Point(kResetPoint)},
                            {"start", Point(kStartPoint)},
                            {"stop", Point(kStopPoint)}};
  const Fields values = {{"startMass", Number(kStartMass)},
                         {"stringK", Number(kStringK)},
                         {"naturalLength", Number(kNaturalLength)},
                         {"gravity", Number(kGravity)},
                         {"damping", Number(kDamping)},
                         {"tickMilliseconds", std::to_string(kTickMilliseconds)},
                         {"stepsPerTick", std::to_string(kStepsPerTick)},
                         {"timeStep", Number(kTimeStep)},
                         {"tickSeconds", Number(kTickSeconds)}};
  const Fields instruments = {{"ball", std::to_string(instrument_id::kBall)},
                              {"power", std::to_string(instrument_id::kPowerSwitch)},
                              {"display", std::to_string(instrument_id::kDisplay)},
                              {"reset", std::to_string(instrument_id::kReset)},
                              {"start", std::to_string(instrument_id::kStart)},
                              {"stop", std::to_string(instrument_id::kStop)},
                              {"firstWeight", std::to_string(instrument_id::kFirstWeight)},
                              {"mass", std::to_string(instrument_id::kHangingMass)},
                              {"graph", std::to_string(instrument_id::kGraph)}};
  return Object({{"background", BoxOf(kBackground)},
                 {"simulationBox", BoxOf(kSimulationBox)},
                 {"boxWorld", Object(boxWorld)},
                 {"stopwatchPanel", BoxOf(kStopwatchPanel)},
                 {"displayWindow", BoxOf(kDisplayWindow)},
                 {"weightsPanel", BoxOf(kWeightsPanel)},
                 {"graphPanel", BoxOf(kGraphPanel)},
                 {"graph", BoxOf(kGraph)},
                 {"graphWorld", Object(graphWorld)},
                 {"stopwatch", Object(stopwatch)},
                 {"weights", Weights()},
                 {"instruments", Object(instruments)},
                 {"physical", Object(values)}},
                true) +
         "\n";
}

}  // namespace

}  // namespace lab

using namespace lab;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output file>\n", argv[0]);
    return 2;
  }
  const std::string text = Text();
  std::FILE* out = std::fopen(argv[1], "wb");
  if (out == nullptr) {
    std::perror(argv[1]);
    return 1;
  }
  const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
  if (std::fclose(out) != 0 || !written) {
    std::fprintf(stderr, "%s: could not write %s\n", argv[0], argv[1]);
    return 1;
  }
  return 0;
}
