// The rules the core keeps for every host: a control's text notifies only
// a real change of an edit, typing reaches only a box that takes it, and
// the right button goes to the dialog or to the window menu.
#include <gtest/gtest.h>

#include <string>

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
  std::vector<int> changes;
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

TEST(RightButtonRouter, AnEndedDialogOwnsNothing) {
  RightButtonRouter router;
  EXPECT_EQ(router.Press(nullptr, {10, 10}, true), Route::WindowMenu);
  EXPECT_EQ(router.Press(nullptr, {10, 10}, false), Route::Dialog);
  EXPECT_EQ(router.Release(), Route::Dialog);
}

}  // namespace

}  // namespace lab
