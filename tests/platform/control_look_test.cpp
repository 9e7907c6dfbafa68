// One reading of a template's control for every host: the lab's real
// controls, and a centred text, which no lab template has yet.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/control_look.h"
#include "res/resource_ids.h"
#include "tests/support/lab_fixture.h"

namespace lab {

namespace {

struct LookRow {
  const char* name;
  ControlTemplate control;
  // What the host must make of it: the kind, then the flags that are set.
  const char* look;
};

// The row's control as the lab's template has it (by position: statics
// share the identifier -1).
ControlTemplate Real(int dialogId, std::size_t index) {
  InstallResources(LabResources());
  return FindDialogTemplate(dialogId)->controls[index];
}

std::string Describe(const ControlLook& l) {
  static constexpr const char* kKinds[] = {"button", "edit", "text", "picture"};
  static constexpr const char* kAligns[] = {"", " centre", " right"};
  std::string text = kKinds[static_cast<int>(l.kind)];
  const std::pair<bool, const char*> flags[] = {
      {l.visible, " visible"},       {l.disabled, " disabled"},  {l.tabStop, " tab"},
      {l.defaultButton, " default"}, {l.readOnly, " read-only"}, {l.staticEdge, " edge"},
      {l.border, " border"}};
  for (const auto& [set, word] : flags) {
    if (set) text += word;
  }
  return text + kAligns[static_cast<int>(l.align)];
}

class ControlLookTest : public ::testing::TestWithParam<LookRow> {};

TEST_P(ControlLookTest, DescribesTheTemplatesControl) {
  const LookRow& row = GetParam();
  EXPECT_EQ(Describe(DescribeControl(row.control)), row.look) << row.name;
}

constexpr ControlTemplate kCentredText{-1, ControlClass::Static,   "T", 0, 0, 10,
                                       8,  WS_VISIBLE | SS_CENTER, 0,   0};

INSTANTIATE_TEST_SUITE_P(
    Templates, ControlLookTest,
    ::testing::Values(LookRow{"title_enter", Real(IDD_TITLE, 0), "button visible tab default"},
                      LookRow{"title_picture", Real(IDD_TITLE, 1), "picture visible"},
                      LookRow{"hidden_ok", Real(IDD_MAIN, 0), "button tab"},
                      LookRow{"message_line", Real(IDD_MAIN, 2), "edit visible tab read-only edge"},
                      LookRow{"count_box", Real(IDD_MAIN, 3), "edit visible tab border"},
                      LookRow{"count_label", Real(IDD_MAIN, 4), "text visible right"},
                      LookRow{"start", Real(IDD_MAIN, 5), "button visible tab default"},
                      LookRow{"plot", Real(IDD_MAIN, 6), "button visible disabled tab"},
                      LookRow{"centred_text", kCentredText, "text visible centre"}),
    [](const ::testing::TestParamInfo<LookRow>& row) { return std::string(row.param.name); });

}  // namespace

}  // namespace lab
