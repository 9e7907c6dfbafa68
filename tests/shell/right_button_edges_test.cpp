// The right button on the lab's main window: inside the simulation box,
// all four edges included, it is the ball's (a press freezes it to aim a
// throw); a pixel outside it offers the window menu instead. The shell asks
// the dialog; it keeps no rectangle of its own.
#include <gtest/gtest.h>
#include <QMenu>
#include <QTest>

#include "app/lab_app.h"
#include "app/lab_dlg.h"
#include "res/resource_ids.h"
#include "shell_test_support.h"

namespace lab {

namespace {

struct EdgeRow {
  const char* name;
  int x, y;
  bool ballsOwn;
};

class RightButtonEdgeTest : public ::testing::TestWithParam<EdgeRow> {};

TEST_P(RightButtonEdgeTest, TheBoxsEdgesAreTheBallsTheNextPixelOffersTheMenu) {
  const EdgeRow row = GetParam();
  bool frozen = false;
  bool menuOffered = false;
  WhenWindowShown(IDD_TITLE, [](DialogWindow& title) { KeyOn(&title, Qt::Key_Return); });
  WhenWindowShown(IDD_MAIN, [&](DialogWindow& w) {
    if (!row.ballsOwn) {
      WhenMenuAppears([&menuOffered](QMenu* menu) {
        menuOffered = true;
        QTest::keyClick(menu, Qt::Key_Escape);
      });
    }
    const QPoint at(row.x, row.y);
    QTest::mousePress(w.windowHandle(), Qt::RightButton, Qt::NoModifier, at);
    frozen = Lab().m_pendulum.m_dt == 0.0;
    QTest::mouseRelease(w.windowHandle(), Qt::RightButton, Qt::NoModifier, at);
    if (row.ballsOwn) {
      EXPECT_EQ(Lab().m_pendulum.m_dt, 0.001) << "the release throws the ball";
    }
    KeyOn(&w, Qt::Key_Escape);
  });
  EXPECT_EQ(RunLabApplication(), 0);
  EXPECT_EQ(frozen, row.ballsOwn) << row.name;
  EXPECT_EQ(menuOffered, !row.ballsOwn) << row.name;
}

INSTANTIATE_TEST_SUITE_P(Edges, RightButtonEdgeTest,
                         ::testing::Values(EdgeRow{"left_edge", 20, 200, true},
                                           EdgeRow{"left_of_the_box", 19, 200, false},
                                           EdgeRow{"right_edge", 220, 200, true},
                                           EdgeRow{"right_of_the_box", 221, 200, false},
                                           EdgeRow{"top_edge", 120, 20, true},
                                           EdgeRow{"above_the_box", 120, 19, false},
                                           EdgeRow{"bottom_edge", 120, 420, true},
                                           EdgeRow{"below_the_box", 120, 421, false},
                                           EdgeRow{"corner", 220, 420, true}),
                         [](const ::testing::TestParamInfo<EdgeRow>& param_info) {
                           return std::string(param_info.param.name);
                         });

}  // namespace

}  // namespace lab
