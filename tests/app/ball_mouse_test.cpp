// The ball under the mouse, as the main dialog routes it: the right button
// freezes the ball at a press inside the simulation box until a release
// inside throws it or a left press ends the freeze; the left button places
// and drags it, and leaving the box lets it go at rest. The box's four edges
// are inside. Each row is a sequence of mouse messages, then three ticks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/experiment/lab_actions.h"
#include "tests/support/lab_fixture.h"

namespace lab {

namespace {

using namespace lab_actions;

enum class Kind { LeftDown, LeftUp, RightDown, RightUp, DragTo, PressWeight };

struct Step {
  Kind kind;
  int x, y;
};

struct MouseRow {
  const char* name;
  std::vector<Step> steps;
  bool frozen;    // the ball does not move with the ticks
  bool dragging;  // still held by the left button
  // When given, the ball rests there (world m) after the steps.
  bool placed = false;
  double x = 0.0, y = 0.0;
};

class BallMouseTest : public LabTest, public ::testing::WithParamInterface<MouseRow> {};

TEST_P(BallMouseTest, FreezesPlacesAndDragsAsTheButtonsSay) {
  const MouseRow& row = GetParam();
  for (const Step& s : row.steps) {
    switch (s.kind) {
      case Kind::LeftDown:
        host->LeftDown(dlg, s.x, s.y);
        break;
      case Kind::LeftUp:
        host->LeftUp(dlg, s.x, s.y);
        break;
      case Kind::RightDown:
        host->RightDown(dlg, s.x, s.y);
        break;
      case Kind::RightUp:
        host->RightUp(dlg, s.x, s.y);
        break;
      case Kind::DragTo:
        host->Move(dlg, s.x, s.y, MK_LBUTTON);
        break;
      case Kind::PressWeight:
        Press(*host, dlg, CPoint{s.x, s.y});
        break;
    }
  }
  EXPECT_EQ(dlg.m_pendulum.m_dt == 0.0, row.frozen) << row.name;
  EXPECT_EQ(dlg.m_dragging, row.dragging) << row.name;
  if (row.placed) {
    EXPECT_NEAR(dlg.m_pendulum.m_x, row.x, 1e-12) << row.name;
    EXPECT_NEAR(dlg.m_pendulum.m_y, row.y, 1e-12) << row.name;
    EXPECT_EQ(dlg.m_pendulum.m_vx, 0.0) << row.name;
    EXPECT_EQ(dlg.m_pendulum.m_vy, 0.0) << row.name;
  }
  const double x = dlg.m_pendulum.m_x;
  const double y = dlg.m_pendulum.m_y;
  host->Tick(dlg, 3);
  const bool moved = dlg.m_pendulum.m_x != x || dlg.m_pendulum.m_y != y;
  EXPECT_EQ(moved, !row.frozen && !row.dragging) << row.name;
}

constexpr Kind LD = Kind::LeftDown, LU = Kind::LeftUp, RD = Kind::RightDown, RU = Kind::RightUp,
               DRAG = Kind::DragTo, WEIGHT = Kind::PressWeight;

INSTANTIATE_TEST_SUITE_P(
    Rows, BallMouseTest,
    ::testing::Values(
        MouseRow{"right_press_in_the_box_freezes", {{RD, 120, 200}}, true, false},
        MouseRow{"right_release_outside_leaves_it_frozen",
                 {{RD, 120, 200}, {RU, 300, 200}},
                 true,
                 false},
        MouseRow{"right_release_inside_throws", {{RD, 120, 200}, {RU, 140, 200}}, false, false},
        MouseRow{"a_weight_move_keeps_it_frozen",
                 {{RD, 120, 200}, {WEIGHT, EmptyPeg(1).x, EmptyPeg(1).y}},
                 true,
                 false},
        MouseRow{"a_left_press_ends_the_freeze",
                 {{RD, 120, 200}, {LD, 120, 300}, {LU, 120, 300}},
                 false,
                 false,
                 true,
                 0.0,
                 -0.7},
        MouseRow{"leaving_the_box_while_dragging_ends_the_drag",
                 {{LD, 120, 200}, {DRAG, 130, 240}, {DRAG, 300, 240}},
                 false,
                 false,
                 true,
                 0.025,
                 -0.55},
        MouseRow{"press_outside_release_inside_places_it_at_rest",
                 {{LD, 300, 300}, {LU, 120, 300}},
                 false,
                 false,
                 true,
                 0.0,
                 -0.7},
        MouseRow{"left_edge_is_inside", {{LD, 20, 200}}, false, true},
        MouseRow{"right_edge_is_inside", {{LD, 220, 200}}, false, true},
        MouseRow{"top_edge_is_inside", {{LD, 120, 20}}, false, true},
        MouseRow{"bottom_edge_is_inside", {{LD, 120, 420}}, false, true},
        MouseRow{"left_of_the_box_is_outside", {{LD, 19, 200}}, false, false},
        MouseRow{"right_of_the_box_is_outside", {{LD, 221, 200}}, false, false},
        MouseRow{"above_the_box_is_outside", {{LD, 120, 19}}, false, false},
        MouseRow{"below_the_box_is_outside", {{LD, 120, 421}}, false, false},
        MouseRow{"right_press_on_the_corner_freezes", {{RD, 220, 420}}, true, false},
        MouseRow{"right_press_beside_the_corner_does_not", {{RD, 221, 421}}, false, false}),
    [](const ::testing::TestParamInfo<MouseRow>& param_info) {
      return std::string(param_info.param.name);
    });

}  // namespace

}  // namespace lab
