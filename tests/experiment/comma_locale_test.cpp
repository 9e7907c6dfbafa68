// On a desktop whose locale writes a decimal comma (a Catalan one), the lab
// is the same window: every scene below runs once in the "C" locale and once
// under ca_ES.UTF-8, and gives the same pixels, the same message line after
// every step and the same message boxes. The start-up window also matches
// its golden picture under the comma locale.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/experiment/lab_actions.h"
#include "tests/support/comma_locale.h"
#include "tests/support/golden.h"
#include "tests/support/lab_fixture.h"

namespace lab {

namespace {

using namespace lab_actions;

struct Scene {
  HeadlessHost& host;
  CLabDlg& dlg;
  std::vector<std::string>& lines;
  void Note() { lines.push_back(host.Text(dlg, IDC_MESSAGE)); }
  void Time(int ticks) {
    Press(host, dlg, kReset);
    Press(host, dlg, kStart);
    host.Tick(dlg, ticks);
    Press(host, dlg, kStop);
    Note();
  }
  void Plot() {
    host.Click(dlg, IDC_PLOT);
    Note();
  }
};

struct SceneRow {
  const char* name;
  std::function<void(Scene&)> play;
};

// What a run leaves: the message line after each step, the message boxes,
// the count box and the window's pixels.
struct Outcome {
  std::vector<std::string> lines;
  std::vector<std::string> boxes;
  std::string count;
  std::vector<std::uint32_t> pixels;
  ::testing::AssertionResult matchesGolden = ::testing::AssertionFailure();
};

Outcome Play(const SceneRow& row) {
  LabSession lab;
  lab.Open();
  ScopedHeadlessHost& host = lab.host;
  CLabDlg& dlg = lab.dlg;
  Outcome out;
  Scene scene{*host, dlg, out.lines};
  scene.Note();
  row.play(scene);
  for (const auto& box : host->MessageBoxes()) out.boxes.push_back(box.text);
  out.count = host->Text(dlg, IDC_OSCILLATIONS);
  const Surface& s = dlg.GetSurface();
  out.pixels.assign(s.Data(), s.Data() + static_cast<std::size_t>(s.Width()) * s.Height());
  if (std::string(row.name) == "start_up") {
    out.matchesGolden = MatchesGolden(s, "startup");
  }
  host->Close(dlg);
  return out;
}

// A comma between two digits, as "0,7".
bool HasDecimalComma(const std::string& text) {
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  for (std::size_t i = 1; i + 1 < text.size(); ++i) {
    if (text[i] == ',' && digit(text[i - 1]) && digit(text[i + 1])) return true;
  }
  return false;
}

class CommaLocaleTest : public ::testing::TestWithParam<SceneRow> {};

TEST_P(CommaLocaleTest, TheWindowAndEveryMessageAreTheSameAsInTheCLocale) {
  const SceneRow& row = GetParam();
  const Outcome classic = Play(row);
  Outcome comma;
  {
    const ScopedCommaLocale locale;
    REQUIRE_COMMA_LOCALE(locale);
    comma = Play(row);
  }
  EXPECT_EQ(comma.lines, classic.lines);
  EXPECT_EQ(comma.boxes, classic.boxes);
  EXPECT_EQ(comma.count, classic.count);
  EXPECT_TRUE(comma.pixels == classic.pixels) << "the window differs under the comma locale";
  for (const std::string& line : comma.lines) EXPECT_FALSE(HasDecimalComma(line)) << line;
  if (std::string(row.name) == "start_up") {
    EXPECT_TRUE(comma.matchesGolden);
  }
}

void PowerOn(Scene& s) { Press(s.host, s.dlg, kPowerOn); }

INSTANTIATE_TEST_SUITE_P(
    Scenes, CommaLocaleTest,
    ::testing::Values(
        SceneRow{"start_up", [](Scene&) {}},
        // The display reads "0.0": the point and the tenths are cells of their own.
        SceneRow{"display_zero", PowerOn},
        SceneRow{"display_twelve_point_three",
                 [](Scene& s) {
                   PowerOn(s);
                   Press(s.host, s.dlg, kStart);
                   s.dlg.m_stopwatch.SetClock(s.dlg.m_clock + 12.3 + 1e-9);
                   Press(s.host, s.dlg, kStop);
                   s.Note();
                   EXPECT_EQ(s.lines.back(),
                             " Durada de 10 oscil\u00b7lacions:   12.3 s  (Per\u00edode: T = "
                             "1.23 s)");
                 }},
        // Masses, timings, points, the fitted line, a new series, a refused
        // plot and both validation messages.
        SceneRow{"experiment",
                 [](Scene& s) {
                   PowerOn(s);
                   s.host.Paste(s.dlg, IDC_OSCILLATIONS, "1");  // one period a timing
                   Press(s.host, s.dlg, EmptyPeg(1));           // 0.7 kg
                   s.Note();
                   s.Time(20);
                   s.Plot();
                   Press(s.host, s.dlg, WeightOnRack(1));  // 1.0 kg
                   s.Note();
                   s.Time(24);
                   s.Plot();
                   Press(s.host, s.dlg, WeightOnRack(0));  // 1.5 kg
                   s.Note();
                   s.Time(29);
                   s.Plot();  // the third point: slope and k
                   EXPECT_EQ(s.lines.back().rfind(" El pendent", 0), 0u) << s.lines.back();
                   s.host.Paste(s.dlg, IDC_OSCILLATIONS, "0");
                   s.host.Paste(s.dlg, IDC_OSCILLATIONS, "1,5");
                   s.host.Paste(s.dlg, IDC_OSCILLATIONS, "10");
                   s.host.Click(s.dlg, IDC_START);
                   s.Note();
                   s.Time(1);  // a reading of 0.0 s
                   s.Plot();
                 }}),
    [](const ::testing::TestParamInfo<SceneRow>& param_info) {
      return std::string(param_info.param.name);
    });

}  // namespace

}  // namespace lab
