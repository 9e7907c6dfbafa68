// The squared-period graph and its least-squares line.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "experiment/least_squares.h"
#include "tests/support/golden.h"
#include "tests/support/lab_fixture.h"

namespace lab {

namespace {

constexpr COLORREF kPointColour = RGB(0, 0, 100);
constexpr COLORREF kLineColour = RGB(0, 200, 100);

TEST(LeastSquaresFit, FitsAStraightLine) {
  const double x[] = {1.0, 1.5, 2.0};
  const double y[] = {1.4, 2.1, 2.8};
  double intercept = -1;
  double slope = -1;
  LeastSquaresFit(x, y, 0, 2, intercept, slope);
  EXPECT_NEAR(slope, 1.4, 1e-12);
  EXPECT_NEAR(intercept, 0.0, 1e-12);
  EXPECT_NEAR(39.478418 / slope, 28.198870, 1e-6);
}

TEST(LeastSquaresFit, FailsWhenEveryMassIsTheSameEvenIfTheDeterminantIsNot) {
  const double x[] = {1.2, 1.2, 1.2};
  const double y[] = {1.69, 1.70, 1.71};
  const double n = 3;
  const double sxx = 1.2 * 1.2 + 1.2 * 1.2 + 1.2 * 1.2;
  const double sx = 1.2 + 1.2 + 1.2;
  EXPECT_NE(n * sxx - sx * sx, 0.0);  // rounding leaves a tiny determinant
  double intercept = 0;
  double slope = 123;
  LeastSquaresFit(x, y, 0, 2, intercept, slope);
  EXPECT_EQ(intercept, kFitFailed);
  EXPECT_EQ(slope, 123);  // not written
}

TEST(LeastSquaresFit, OnePointCountsAsAllEqualAndARangeInsideTheArraysIsUsed) {
  const double x[] = {0.7, 1.0, 1.3, 5.0};
  const double y[] = {1.0, 1.4, 1.8, 9.0};
  double intercept = 0;
  double slope = 0;
  LeastSquaresFit(x, y, 1, 1, intercept, slope);
  EXPECT_EQ(intercept, kFitFailed);
  LeastSquaresFit(x, y, 0, 2, intercept, slope);
  EXPECT_NEAR(slope, 4.0 / 3.0, 1e-12);
}

class GraphTest : public LabTest {
 protected:
  void SetPoints(std::initializer_list<std::pair<double, double>> points) {
    dlg.m_lastPoint = -1;
    for (const auto& [m, t2] : points) {
      ++dlg.m_lastPoint;
      dlg.m_pointMass[dlg.m_lastPoint] = m;
      dlg.m_pointT2[dlg.m_lastPoint] = t2;
    }
    host->Paint(dlg);
  }
  int CountPixels(COLORREF colour) const {
    int n = 0;
    for (int y = 124; y < 420; ++y) {
      for (int x = 239; x < 671; ++x) n += Pixel(x, y) == colour ? 1 : 0;
    }
    return n;
  }
};

TEST_F(GraphTest, AnEmptyTableDrawsTheGraphAndLeavesTheMessage) {
  SetPoints({});
  EXPECT_EQ(Message(), " Fes mesures per determinar la constant el\u00e0stica i despr\u00e9s g");
  EXPECT_EQ(CountPixels(kPointColour), 0);
  EXPECT_EQ(CountPixels(kLineColour), 0);
  // Border and grid lines in the grid colour.
  for (int x : {309, 357, 406, 455, 504, 553, 602, 651}) EXPECT_EQ(Pixel(x, 250), RGB(0, 87, 130));
  for (int y : {144, 156, 190, 224, 257, 291, 325, 359, 370}) {
    EXPECT_EQ(Pixel(380, y), RGB(0, 87, 130)) << y;
  }
}

TEST_F(GraphTest, TwoPointsAreDrawnWithoutALine) {
  SetPoints({{1.0, 1.4}, {1.5, 2.1}});
  EXPECT_EQ(CountPixels(kPointColour), 72);
  EXPECT_EQ(CountPixels(kLineColour), 0);
  EXPECT_EQ(Message(), " Fes mesures per determinar la constant el\u00e0stica i despr\u00e9s g");
}

TEST_F(GraphTest, ThreePointsGiveTheLineTheSlopeAndK) {
  SetPoints({{1.0, 1.4}, {1.5, 2.1}, {2.0, 2.8}});
  EXPECT_EQ(Message(), " El pendent de la recta dibuixada \u00e9s:  1.40. Per tant, k = 28.20 N/m");
  // The square of (1.0, 1.4): columns 403..408, rows 300..305 (the line
  // passes over part of it).
  int square = 0;
  for (int y = 300; y <= 305; ++y) {
    for (int x = 403; x <= 408; ++x) {
      const COLORREF c = Pixel(x, y);
      square += (c == kPointColour || c == kLineColour) ? 1 : 0;
    }
  }
  EXPECT_EQ(square, 36);
  EXPECT_NE(Pixel(402, 302), kPointColour);
  EXPECT_NE(Pixel(409, 302), kPointColour);
  EXPECT_GT(CountPixels(kLineColour), 200);
}

TEST_F(GraphTest, PointsAtOneMassGiveTheFailureMessageAndNoLine) {
  SetPoints({{1.2, 1.69}, {1.2, 1.70}, {1.2, 1.71}});
  EXPECT_EQ(Message(), " El pendent de la recta no s'ha pogut calcular");
  EXPECT_EQ(CountPixels(kLineColour), 0);
  EXPECT_GT(CountPixels(kPointColour), 0);
}

TEST_F(GraphTest, AnOffRangePointIsNotDrawnButMovesTheLine) {
  SetPoints({{1.0, 1.4}, {1.5, 2.1}, {2.0, 2.8}});
  const std::string inRange = Message();
  // T^2 = 2.9 lies above the graph, where its square would stand in the
  // white margin of the panel (rows 130 to 135).
  SetPoints({{1.0, 1.4}, {1.5, 2.1}, {2.0, 2.8}, {1.3, 2.9}});
  EXPECT_NE(Message(), inRange);
  for (int y = 124; y < 144; ++y) {
    // (the corner point (2.0, 2.8) reaches up to row 141 at columns 648..653)
    for (int x = 239; x < 640; ++x) ASSERT_NE(Pixel(x, y), kPointColour) << x << "," << y;
  }
}

// The fit's message over three points, whatever the line's slope.
struct FitRow {
  const char* name;
  std::vector<std::pair<double, double>> points;
  const char* message;
  bool line;
};

class GraphFitTest : public GraphTest, public ::testing::WithParamInterface<FitRow> {};

TEST_P(GraphFitTest, ThreePointsGiveTheirMessage) {
  const FitRow& row = GetParam();
  dlg.m_lastPoint = -1;
  for (const auto& [m, t2] : row.points) {
    ++dlg.m_lastPoint;
    dlg.m_pointMass[dlg.m_lastPoint] = m;
    dlg.m_pointT2[dlg.m_lastPoint] = t2;
  }
  host->Paint(dlg);
  EXPECT_EQ(Message(), row.message) << row.name;
  EXPECT_EQ(CountPixels(kLineColour) > 0, row.line) << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GraphFitTest,
    ::testing::Values(
        FitRow{"rising",
               {{1.0, 1.4}, {1.5, 2.1}, {2.0, 2.8}},
               " El pendent de la recta dibuixada \u00e9s:  1.40. Per tant, k = 28.20 N/m",
               true},
        // A level or falling line is drawn but gives no k; nor does a
        // level one that rounding tilts upwards by 1e-15.
        FitRow{"level",
               {{1.0, 1.5}, {1.5, 1.5}, {2.0, 1.5}},
               " El pendent de la recta no s'ha pogut calcular",
               true},
        FitRow{"level_by_rounding",
               {{0.7, 1.21}, {1.2, 1.21}, {1.7, 1.21}},
               " El pendent de la recta no s'ha pogut calcular",
               true},
        FitRow{"falling",
               {{1.0, 2.0}, {1.5, 1.5}, {2.0, 1.0}},
               " El pendent de la recta no s'ha pogut calcular",
               true},
        FitRow{"one_mass",
               {{1.5, 1.4}, {1.5, 2.1}, {1.5, 2.8}},
               " El pendent de la recta no s'ha pogut calcular",
               false}),
    [](const ::testing::TestParamInfo<FitRow>& param_info) {
      return std::string(param_info.param.name);
    });

TEST_F(GraphTest, ARepaintRewritesTheFitMessage) {
  SetPoints({{1.0, 1.4}, {1.5, 2.1}, {2.0, 2.8}});
  dlg.m_message = " something else";
  dlg.UpdateData(false);
  host->Paint(dlg);
  EXPECT_EQ(Message(), " El pendent de la recta dibuixada \u00e9s:  1.40. Per tant, k = 28.20 N/m");
}

TEST_F(GraphTest, GoldenGraphWithALine) {
  SetPoints({{0.7, 1.05}, {1.0, 1.42}, {1.2, 1.69}, {1.5, 2.1}, {1.9, 2.7}});
  EXPECT_TRUE(MatchesGolden(dlg.GetSurface(), "graph_with_line"));
}

}  // namespace

}  // namespace lab
