// Seeded random sequences of every input a user can give to the main
// window, checking the lab's invariants after every event. LAB_FUZZ_EVENTS
// and LAB_FUZZ_SEEDS in the environment make a longer run; a failing seed is
// printed so that LAB_FUZZ_SEED can replay it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>

#include "res/lab_layout.h"
#include "tests/robustness/lab_invariants.h"
#include "tests/robustness/nasty_text.h"
#include "tests/support/lab_fixture.h"

namespace lab {

namespace {

long EnvNumber(const char* name, long fallback) {
  const char* v = std::getenv(name);
  return v != nullptr ? std::strtol(v, nullptr, 10) : fallback;
}

// A point somewhere a student might press: on a weight, a stopwatch
// control, inside the box, on its edges, or anywhere in the client area.
CPoint RandomPoint(std::mt19937_64& rng) {
  using namespace layout;
  static constexpr CPoint targets[] = {
      WeightOnRackPoint(0), WeightOnRackPoint(1), WeightOnRackPoint(2), WeightOnRackPoint(3),
      EmptyPegPoint(0),     EmptyPegPoint(1),     EmptyPegPoint(2),     EmptyPegPoint(3),
      kPowerOnPoint,        kPowerOffPoint,       kResetPoint,          kStartPoint,
      kStopPoint,           CPoint{120, 220},     CPoint{120, 410}};
  std::uniform_int_distribution<int> kind(0, 9);
  const int k = kind(rng);
  if (k < 4) {
    std::uniform_int_distribution<std::size_t> i(0, std::size(targets) - 1);
    return targets[i(rng)];
  }
  if (k < 7) {
    std::uniform_int_distribution<int> x(15, 225);
    std::uniform_int_distribution<int> y(15, 425);
    return CPoint{x(rng), y(rng)};
  }
  std::uniform_int_distribution<int> x(-5, 700);
  std::uniform_int_distribution<int> y(-5, 485);
  return CPoint{x(rng), y(rng)};
}

struct FuzzRun {
  long events = 0;
  long violations = 0;
  std::string first;
};

FuzzRun FuzzOneSeed(std::uint64_t seed, long events) {
  FuzzRun run;
  LabResourcesInstalled resources;
  ScopedHeadlessHost host;
  std::mt19937_64 rng(seed);
  auto dlg = std::make_unique<CLabDlg>();
  host->Open(*dlg);
  std::uniform_int_distribution<int> pick(0, 99);
  const bool trace = std::getenv("LAB_FUZZ_TRACE") != nullptr;
  for (long e = 0; e < events; ++e) {
    const int k = pick(rng);
    const CPoint p = RandomPoint(rng);
    if (trace) std::printf("%ld: kind %d at (%d, %d)\n", e, k, p.x, p.y);
    if (k < 30) {
      host->Tick(*dlg, 1 + static_cast<int>(rng() % 5));
    } else if (k < 45) {
      host->LeftDown(*dlg, p.x, p.y);
    } else if (k < 55) {
      host->Move(*dlg, p.x, p.y, MK_LBUTTON);
    } else if (k < 63) {
      host->LeftUp(*dlg, p.x, p.y);
    } else if (k < 68) {
      host->RightDown(*dlg, p.x, p.y);
    } else if (k < 73) {
      host->RightUp(*dlg, p.x, p.y);
    } else if (k < 78) {
      host->Click(*dlg, IDC_PLOT);
    } else if (k < 81) {
      host->Click(*dlg, IDC_START);
    } else if (k < 83) {
      host->Key(*dlg, VK_RETURN);
    } else if (k < 88) {
      host->Paste(*dlg, IDC_OSCILLATIONS, RandomCountText(rng));
    } else if (k < 91) {
      host->Type(*dlg, IDC_OSCILLATIONS, RandomCountText(rng).substr(0, 4));
    } else if (k < 93) {
      host->Backspace(*dlg, IDC_OSCILLATIONS);
    } else if (k < 96) {
      host->Paint(*dlg);
    } else if (k < 98) {
      static const unsigned commands[] = {15, 16, 20, 31, 32, SC_MOVE, SC_MINIMIZE, SC_RESTORE};
      host->SysCommand(*dlg, commands[rng() % std::size(commands)]);
    } else {
      // Escape or the close command end the window: a fresh one opens.
      if (rng() % 2 == 0) {
        host->Key(*dlg, VK_ESCAPE);
      } else {
        host->SysCommand(*dlg, SC_CLOSE);
      }
      if (!dlg->IsEnding() || dlg->Result() != IDCANCEL) {
        ++run.violations;
        if (run.first.empty()) run.first = "Escape did not end the dialog";
      }
      host->Close(*dlg);
      dlg = std::make_unique<CLabDlg>();
      host->Open(*dlg);
    }
    ++run.events;
    if (trace) {
      const CElasticPendulum& b = dlg->m_pendulum;
      std::printf("  ball (%.6g, %.6g) v (%.6g, %.6g) drawn (%.6g, %.6g) dt %g skip %d drag %d\n",
                  b.m_x, b.m_y, b.m_vx, b.m_vy, b.m_drawnX, b.m_drawnY, b.m_dt,
                  b.m_skipBounce ? 1 : 0, dlg->m_dragging ? 1 : 0);
    }
    const std::string broken = CheckLabInvariants(*dlg, *host);
    if (!broken.empty()) {
      if (trace) {
        const CElasticPendulum& b = dlg->m_pendulum;
        std::printf("  %s: drawn (%.9g, %.9g) limits x %.9g..%.9g y %.9g..%.9g\n", broken.c_str(),
                    b.m_drawnX, b.m_drawnY, b.m_leftLimit, b.m_rightLimit, b.m_floorLimit,
                    b.m_ceilingLimit);
      }
      ++run.violations;
      if (run.first.empty()) run.first = broken + " after event " + std::to_string(e);
    }
    // Every message box that came up was a validation message, answered.
    for (const auto& box : host->MessageBoxes()) {
      if (box.text.rfind("Introdu\u00efu un nombre enter", 0) != 0) {
        ++run.violations;
        if (run.first.empty()) run.first = "unexpected message box: " + box.text;
      }
    }
    host->ClearMessageBoxes();
  }
  host->Close(*dlg);
  return run;
}

TEST(WholeProgramFuzz, KeepsEveryInvariantUnderRandomInput) {
  const long events = EnvNumber("LAB_FUZZ_EVENTS", 10000);
  const long seeds = EnvNumber("LAB_FUZZ_SEEDS", 1);
  const long replay = EnvNumber("LAB_FUZZ_SEED", -1);
  long total = 0;
  long violations = 0;
  for (long s = 0; s < seeds; ++s) {
    const std::uint64_t seed = replay >= 0 ? static_cast<std::uint64_t>(replay)
                                           : 0x5EED0000u + static_cast<std::uint64_t>(s);
    const FuzzRun run = FuzzOneSeed(seed, events / seeds);
    total += run.events;
    violations += run.violations;
    EXPECT_EQ(run.violations, 0) << "seed " << seed << " (replay with LAB_FUZZ_SEED=" << seed
                                 << "): " << run.first;
    if (replay >= 0) break;
  }
  std::printf("fuzz: %ld events, %ld seeds, %ld violations\n", total, seeds, violations);
}

}  // namespace

}  // namespace lab
