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
      {l.border, " border"},         {l.digits, " digits"}};
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
                      LookRow{"count_box", Real(IDD_MAIN, 3), "edit visible tab border digits"},
                      LookRow{"count_label", Real(IDD_MAIN, 4), "text visible right"},
                      LookRow{"start", Real(IDD_MAIN, 5), "button visible tab default"},
                      LookRow{"plot", Real(IDD_MAIN, 6), "button visible disabled tab"},
                      LookRow{"centred_text", kCentredText, "text visible centre"}),
    [](const ::testing::TestParamInfo<LookRow>& row) { return std::string(row.param.name); });

// What a screen reader calls each window and box, on both desktops: the
// lab's own templates, and the rules' edges on made-up ones.
TEST(ControlNames, NameEveryWindowAndBox) {
  InstallResources(LabResources());
  const DialogTemplate& title = *FindDialogTemplate(IDD_TITLE);
  const DialogTemplate& main = *FindDialogTemplate(IDD_MAIN);
  const DialogTemplate& code = *FindDialogTemplate(IDD_STRING_CODE);
  EXPECT_EQ(DialogName(title), "Llei de Trelko");  // its picture's text: it has no caption
  EXPECT_EQ(DialogName(main), "Llei de Trelko");
  EXPECT_EQ(ControlName(main, main.controls[3]), "Nombre d'oscil\u00b7lacions");
  EXPECT_EQ(ControlName(main, main.controls[2]), "Missatge");
  EXPECT_EQ(ControlName(main, main.controls[5]), "Comen\u00e7ar");
  EXPECT_EQ(ControlName(code, code.controls[1]), std::string(code.controls[0].text));

  // A text at the right, on another row or too far off names nothing; the
  // nearest at the left wins.
  constexpr std::uint32_t kText = WS_VISIBLE;
  const ControlTemplate controls[] = {
      {-1, ControlClass::Static, "far", 0, 50, 10, 10, kText, 0, 0},
      {-1, ControlClass::Static, "near", 20, 50, 10, 10, kText, 0, 0},
      {1, ControlClass::Edit, "", 32, 50, 20, 10, WS_VISIBLE, 0, 0},
      {-1, ControlClass::Static, "right", 60, 50, 10, 10, kText, 0, 0},
      {2, ControlClass::Edit, "", 60, 80, 20, 10, WS_VISIBLE, 0, 0},
      {-1, ControlClass::Static, "off", 0, 100, 10, 10, kText, 0, 0},
      {3, ControlClass::Edit, "", 30, 100, 20, 10, WS_VISIBLE | ES_READONLY, 0, 0},
  };
  const DialogTemplate made{99, "", 0, 0, 100, 120, "", 8, controls};
  EXPECT_EQ(ControlName(made, controls[2]), "near");
  EXPECT_EQ(ControlName(made, controls[4]), "");
  EXPECT_EQ(ControlName(made, controls[6]), "Missatge");
  EXPECT_EQ(DialogName(made), "");
}

}  // namespace

}  // namespace lab
