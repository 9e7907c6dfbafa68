// The rules the core keeps for every host: a control's text notifies only
// a real change of an edit, typing reaches only a box that takes it, the
// right button goes to the dialog or to the window menu, Tab goes round one
// ring and the instruments take their keys, and the dialog keeps its
// window's caption and menu, telling the host of each change.
#include <gtest/gtest.h>

#include <string>

#include "platform/focus_ring.h"
#include "platform/right_button.h"
#include "res/resource_ids.h"
#include "tests/support/lab_fixture.h"

namespace lab {

namespace {

// The main window's template with no lab behind it: it counts the change
// notifications, and owns the right button inside a rectangle.
class CountingDialog : public Dialog {
 public:
  CountingDialog() : Dialog(IDD_MAIN) {}
  bool OnCommand(int id, int notification) override {
    if (notification == EN_CHANGE) changes.push_back(id);
    return Dialog::OnCommand(id, notification);
  }
  bool OwnsRightButton(CPoint point) const override {
    return CRect{10, 10, 20, 20}.PtInRect(point);
  }
  std::vector<Instrument> Instruments() const override {
    std::vector<Instrument> list;
    for (int id : instrumentIds) {
      Instrument instrument;
      instrument.id = id;
      list.push_back(instrument);
    }
    return list;
  }
  std::vector<int> changes;
  std::vector<int> instrumentIds;
};

class HostRulesTest : public ::testing::Test {
 protected:
  void SetUp() override { host->Open(dlg); }
  LabResourcesInstalled resources;
  ScopedHeadlessHost host;
  CountingDialog dlg;
};

struct TextRow {
  const char* name;
  int id;
  const char* first;
  const char* second;
  std::size_t changes;
};

class SetWindowTextTest : public HostRulesTest, public ::testing::WithParamInterface<TextRow> {};

TEST_P(SetWindowTextTest, NotifiesOnlyAnEditsRealChange) {
  const TextRow& row = GetParam();
  dlg.changes.clear();
  dlg.GetDlgItem(row.id).SetWindowText(row.first);
  dlg.GetDlgItem(row.id).SetWindowText(row.second);
  EXPECT_EQ(host->Text(dlg, row.id), row.second) << row.name;
  EXPECT_EQ(dlg.changes, std::vector<int>(row.changes, row.id)) << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SetWindowTextTest,
    ::testing::Values(TextRow{"same_text_twice", IDC_OSCILLATIONS, "12", "12", 1},
                      TextRow{"two_texts", IDC_OSCILLATIONS, "12", "13", 2},
                      TextRow{"the_text_it_has", IDC_OSCILLATIONS, "", "", 0},
                      TextRow{"read_only_edit", IDC_MESSAGE, "a", "a", 1},
                      TextRow{"push_button", IDC_START, "Para", "Torna", 0}),
    [](const ::testing::TestParamInfo<TextRow>& row) { return std::string(row.param.name); });

TEST_F(HostRulesTest, ATextForAClosedWindowNotifiesNothing) {
  host->Close(dlg);
  dlg.GetDlgItem(IDC_OSCILLATIONS).SetWindowText("12");
  EXPECT_TRUE(dlg.changes.empty());
}

enum class Input { Type, Paste, Backspace };

struct RefusalRow {
  const char* name;
  int id;
  bool disable;
  Input input;
};

class RefusedInputTest : public HostRulesTest, public ::testing::WithParamInterface<RefusalRow> {};

TEST_P(RefusedInputTest, LeavesTheTextAndNotifiesNothing) {
  const RefusalRow& row = GetParam();
  dlg.GetDlgItem(row.id).SetWindowText("42");
  if (row.disable) dlg.GetDlgItem(row.id).EnableWindow(false);
  dlg.changes.clear();
  switch (row.input) {
    case Input::Type:
      host->Type(dlg, row.id, "7");
      break;
    case Input::Paste:
      host->Paste(dlg, row.id, "7");
      break;
    case Input::Backspace:
      host->Backspace(dlg, row.id);
      break;
  }
  EXPECT_EQ(host->Text(dlg, row.id), "42") << row.name;
  EXPECT_TRUE(dlg.changes.empty()) << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, RefusedInputTest,
    ::testing::Values(RefusalRow{"disabled_type", IDC_OSCILLATIONS, true, Input::Type},
                      RefusalRow{"disabled_paste", IDC_OSCILLATIONS, true, Input::Paste},
                      RefusalRow{"disabled_backspace", IDC_OSCILLATIONS, true, Input::Backspace},
                      RefusalRow{"read_only_type", IDC_MESSAGE, false, Input::Type},
                      RefusalRow{"read_only_paste", IDC_MESSAGE, false, Input::Paste},
                      RefusalRow{"read_only_backspace", IDC_MESSAGE, false, Input::Backspace}),
    [](const ::testing::TestParamInfo<RefusalRow>& row) { return std::string(row.param.name); });

using Route = RightButtonRouter::Route;

struct RouteRow {
  const char* name;
  CPoint at;
  bool windowHasMenu;
  Route press;
  Route release;
};

class RightButtonRouteTest : public HostRulesTest,
                             public ::testing::WithParamInterface<RouteRow> {};

TEST_P(RightButtonRouteTest, PressAndReleaseGoTogether) {
  const RouteRow& row = GetParam();
  RightButtonRouter router;
  EXPECT_EQ(router.Press(&dlg, row.at, row.windowHasMenu), row.press) << row.name;
  EXPECT_EQ(router.Release(), row.release) << row.name;
  // A release on its own (its press was elsewhere) is the dialog's.
  EXPECT_EQ(router.Release(), Route::Dialog) << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Points, RightButtonRouteTest,
    ::testing::Values(RouteRow{"dialogs_own", {10, 10}, true, Route::Dialog, Route::Dialog},
                      RouteRow{"last_own_pixel", {19, 19}, true, Route::Dialog, Route::Dialog},
                      RouteRow{
                          "outside_with_menu", {20, 19}, true, Route::WindowMenu, Route::Nowhere},
                      RouteRow{"outside_no_menu", {20, 19}, false, Route::Dialog, Route::Dialog}),
    [](const ::testing::TestParamInfo<RouteRow>& row) { return std::string(row.param.name); });

// Each stop of a walk round the ring from nowhere: "i<id>" an instrument,
// "c<id>" a control.
std::vector<std::string> Walk(const Dialog& dialog, int steps, bool backwards = false) {
  std::vector<std::string> seen;
  FocusStop at;
  for (int n = 0; n < steps; ++n) {
    at = NextFocusStop(dialog, at, backwards);
    std::string stop = at.kind == FocusStop::Kind::kInstrument ? "i" : "c";
    stop += std::to_string(at.id);
    seen.push_back(stop);
  }
  return seen;
}

TEST_F(HostRulesTest, TabGoesRoundTheInstrumentsThenTheEnabledControls) {
  using Stops = std::vector<std::string>;
  dlg.instrumentIds = {5, 9};
  // The hidden OK and Cancel and the greyed "plot" are not stops.
  EXPECT_EQ(Walk(dlg, 6), (Stops{"i5", "i9", "c1001", "c1002", "c1003", "i5"}));
  EXPECT_EQ(Walk(dlg, 3, true), (Stops{"c1003", "c1002", "c1001"}));
  // The window opens on its first control; Tab then reaches the instruments.
  EXPECT_EQ(OpeningFocus(dlg), (FocusStop{FocusStop::Kind::kControl, 1001}));
  dlg.GetDlgItem(IDC_PLOT).EnableWindow(true);
  dlg.GetDlgItem(IDC_OSCILLATIONS).EnableWindow(false);
  EXPECT_EQ(Walk(dlg, 6), (Stops{"i5", "i9", "c1001", "c1003", "c1004", "i5"}));
  // A stop that left the ring (the focus was in a box now greyed) goes on
  // from the start.
  EXPECT_EQ(NextFocusStop(dlg, {FocusStop::Kind::kControl, IDC_OSCILLATIONS}, false),
            (FocusStop{FocusStop::Kind::kInstrument, 5}));
  dlg.instrumentIds.clear();
  for (int id : {IDC_MESSAGE, IDC_START, IDC_PLOT}) dlg.GetDlgItem(id).EnableWindow(false);
  EXPECT_EQ(NextFocusStop(dlg, {}, false).kind, FocusStop::Kind::kNone);
  EXPECT_EQ(OpeningFocus(dlg).kind, FocusStop::Kind::kNone);
}

TEST(InstrumentKeys, ArrowsRepeatOtherKeysOnceAndModifiersAreTheWindows) {
  for (int key : {VK_SPACE, VK_RETURN, VK_L, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN}) {
    const bool arrow = key >= VK_LEFT && key <= VK_DOWN;
    EXPECT_TRUE(InstrumentTakesKey(key, 0, false)) << key;
    EXPECT_TRUE(InstrumentTakesKey(key, KEY_SHIFT, false)) << key;
    EXPECT_EQ(InstrumentTakesKey(key, 0, true), arrow) << key;
    EXPECT_FALSE(InstrumentTakesKey(key, KEY_OTHER_MODIFIER, false)) << key;
  }
  for (int key : {VK_ESCAPE, VK_TAB, 0x41}) EXPECT_FALSE(InstrumentTakesKey(key, 0, false)) << key;
}

// A host that counts what it is told of the window's parts.
class TellingHost : public HeadlessHost {
 public:
  void WindowChanged(Dialog&, WindowPart part) override { told.push_back(part); }
  std::vector<WindowPart> told;
};

TEST(WindowParts, TheDialogKeepsThemAndTellsTheHostOfEachChange) {
  LabResourcesInstalled resources;
  TellingHost host;
  WindowHost* previous = HasWindowHost() ? &GetWindowHost() : nullptr;
  SetWindowHost(&host);
  CountingDialog dlg;
  host.Open(dlg);
  const std::string caption(FindDialogTemplate(IDD_MAIN)->caption);
  EXPECT_EQ(dlg.Caption(), caption);
  CMenu* menu = dlg.GetSystemMenu(false);
  ASSERT_NE(menu, nullptr);
  menu->AppendSeparator();
  menu->AppendItem(IDM_COPY_DATA, "Copy");
  menu->EnableItem(IDM_COPY_DATA, false);
  menu->EnableItem(IDM_COPY_DATA, false);  // no change: nothing to tell
  dlg.SetCaption("Lab - 9XGSXR");
  EXPECT_EQ(host.told, (std::vector<WindowPart>{WindowPart::kSystemMenu, WindowPart::kSystemMenu,
                                                WindowPart::kSystemMenu, WindowPart::kCaption}));
  ASSERT_NE(host.SystemMenuItem(dlg, IDM_COPY_DATA), nullptr);
  EXPECT_FALSE(host.SystemMenuItem(dlg, IDM_COPY_DATA)->enabled);
  EXPECT_EQ(host.Caption(dlg), "Lab - 9XGSXR");
  // A window opened again starts from its template.
  host.Close(dlg);
  host.Open(dlg);
  EXPECT_TRUE(dlg.SystemMenuItems().empty());
  EXPECT_EQ(dlg.Caption(), caption);
  host.Close(dlg);
  SetWindowHost(previous);
}

TEST(RightButtonRouter, AnEndedDialogOwnsNothing) {
  RightButtonRouter router;
  EXPECT_EQ(router.Press(nullptr, {10, 10}, true), Route::WindowMenu);
  EXPECT_EQ(router.Press(nullptr, {10, 10}, false), Route::Dialog);
  EXPECT_EQ(router.Release(), Route::Dialog);
}

}  // namespace

}  // namespace lab
