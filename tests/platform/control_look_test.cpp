// One reading of a template's control for every host: the lab's real
// controls, and a centred text, which no lab template has yet.
#include <gtest/gtest.h>

#include <string>

#include "platform/control_look.h"
#include "res/resource_ids.h"
#include "tests/support/lab_fixture.h"

namespace {

struct LookRow {
  const char* name;
  ControlTemplate control;
  ControlLook look;
};

// The row's control as the lab's template has it (by position: statics
// share the identifier -1).
ControlTemplate Real(int dialogId, std::size_t index) {
  InstallResources(LabResources());
  return FindDialogTemplate(dialogId)->controls[index];
}

std::string Describe(const ControlLook& l) {
  return std::to_string(static_cast<int>(l.kind)) + " visible " + std::to_string(l.visible) +
         " disabled " + std::to_string(l.disabled) + " tab " + std::to_string(l.tabStop) +
         " default " + std::to_string(l.defaultButton) + " readOnly " + std::to_string(l.readOnly) +
         " edge " + std::to_string(l.staticEdge) + " border " + std::to_string(l.border) +
         " align " + std::to_string(static_cast<int>(l.align));
}

class ControlLookTest : public ::testing::TestWithParam<LookRow> {};

TEST_P(ControlLookTest, DescribesTheTemplatesControl) {
  const LookRow& row = GetParam();
  EXPECT_EQ(Describe(DescribeControl(row.control)), Describe(row.look)) << row.name;
}

using K = ControlKind;
using A = TextAlign;
constexpr ControlTemplate kCentredText{-1, ControlClass::Static,   "T", 0, 0, 10,
                                       8,  WS_VISIBLE | SS_CENTER, 0,   0};

INSTANTIATE_TEST_SUITE_P(
    Templates, ControlLookTest,
    ::testing::Values(
        // kind, visible, disabled, tab stop, default, read-only, edge, border, align
        LookRow{"title_enter",
                Real(IDD_TITLE, 0),
                {K::PushButton, true, false, true, true, false, false, false, A::Left}},
        LookRow{"title_picture",
                Real(IDD_TITLE, 1),
                {K::Picture, true, false, false, false, false, false, false, A::Left}},
        LookRow{"hidden_ok",
                Real(IDD_MAIN, 0),
                {K::PushButton, false, false, true, false, false, false, false, A::Left}},
        LookRow{"message_line",
                Real(IDD_MAIN, 2),
                {K::Edit, true, false, true, false, true, true, false, A::Left}},
        LookRow{"count_box",
                Real(IDD_MAIN, 3),
                {K::Edit, true, false, true, false, false, false, true, A::Left}},
        LookRow{"count_label",
                Real(IDD_MAIN, 4),
                {K::Text, true, false, false, false, false, false, false, A::Right}},
        LookRow{"start",
                Real(IDD_MAIN, 5),
                {K::PushButton, true, false, true, true, false, false, false, A::Left}},
        LookRow{"plot",
                Real(IDD_MAIN, 6),
                {K::PushButton, true, true, true, false, false, false, false, A::Left}},
        LookRow{"centred_text",
                kCentredText,
                {K::Text, true, false, false, false, false, false, false, A::Centre}}),
    [](const ::testing::TestParamInfo<LookRow>& row) { return std::string(row.param.name); });

}  // namespace
