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

#include "res/lab_layout.h"

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

std::string BoxOf(const layout::Box& b) {
  char text[96];
  std::snprintf(text, sizeof text, "{\"left\": %d, \"top\": %d, \"width\": %d, \"height\": %d}",
                b.left, b.top, b.width, b.height);
  return text;
}

std::string Text() {
  using namespace layout;
  std::string weights;
  for (int i = 0; i < kWeightCount; ++i) {
    weights +=
        std::string(i == 0 ? "" : ",\n") + "    {\"left\": " + std::to_string(kWeightLeft[i]) +
        ", \"top\": " + std::to_string(kWeightTop) +
        ", \"mass\": " + Number(physical::kWeightMass[i]) +
        ", \"onStringAtStart\": " + (physical::kWeightOnStringAtStart[i] ? "true" : "false") +
        ", \"onRack\": " + Point(WeightOnRackPoint(i)) +
        ", \"emptyPeg\": " + Point(EmptyPegPoint(i)) + "}";
  }
  return std::string("{\n") +                                                        //
         "  \"background\": " + BoxOf(kBackground) + ",\n" +                         //
         "  \"simulationBox\": " + BoxOf(kSimulationBox) + ",\n" +                   //
         "  \"boxWorld\": {\"left\": " + Number(kBoxWorldLeft) +                     //
         ", \"right\": " + Number(kBoxWorldRight) +                                  //
         ", \"bottom\": " + Number(kBoxWorldBottom) +                                //
         ", \"top\": " + Number(kBoxWorldTop) + "},\n" +                             //
         "  \"stopwatchPanel\": " + BoxOf(kStopwatchPanel) + ",\n" +                 //
         "  \"displayWindow\": " + BoxOf(kDisplayWindow) + ",\n" +                   //
         "  \"weightsPanel\": " + BoxOf(kWeightsPanel) + ",\n" +                     //
         "  \"graphPanel\": " + BoxOf(kGraphPanel) + ",\n" +                         //
         "  \"graph\": " + BoxOf(kGraph) + ",\n" +                                   //
         "  \"graphWorld\": {\"massMin\": " + Number(kGraphMassMin) +                //
         ", \"massMax\": " + Number(kGraphMassMax) +                                 //
         ", \"t2Min\": " + Number(kGraphT2Min) +                                     //
         ", \"t2Max\": " + Number(kGraphT2Max) + "},\n" +                            //
         "  \"stopwatch\": {\"powerOn\": " + Point(kPowerOnPoint) +                  //
         ", \"powerOff\": " + Point(kPowerOffPoint) +                                //
         ", \"reset\": " + Point(kResetPoint) +                                      //
         ", \"start\": " + Point(kStartPoint) +                                      //
         ", \"stop\": " + Point(kStopPoint) + "},\n" +                               //
         "  \"weights\": [\n" + weights + "\n  ],\n" +                               //
         "  \"physical\": {\"startMass\": " + Number(physical::kStartMass) +         //
         ", \"stringK\": " + Number(physical::kStringK) +                            //
         ", \"naturalLength\": " + Number(physical::kNaturalLength) +                //
         ", \"gravity\": " + Number(physical::kGravity) +                            //
         ", \"damping\": " + Number(physical::kDamping) +                            //
         ", \"tickMilliseconds\": " + std::to_string(physical::kTickMilliseconds) +  //
         ", \"stepsPerTick\": " + std::to_string(physical::kStepsPerTick) +          //
         ", \"timeStep\": " + Number(physical::kTimeStep) +                          //
         ", \"tickSeconds\": " + Number(physical::kTickSeconds) + "}\n" +            //
         "}\n";
}

}  // namespace

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
