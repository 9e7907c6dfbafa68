// Figures of a run for the benchmarks: when LAB_BENCH_REPORT names a file,
// the program writes to it on exit one line
//   first_frame_ms=<from process start to the first frame shown>
//   ticks=<timer messages handled> run_ms=<from the first tick to exit>
// (space separated). Nothing is measured or written otherwise.
#pragma once

namespace lab {

namespace run_report {

// Call first thing in main: the moment the process started.
void StartClock();
void NoteFrame();
void NoteTick();
// Writes the report if one was asked for.
void Write();

}  // namespace run_report

}  // namespace lab
