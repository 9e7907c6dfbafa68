// The squared-period graph: T^2 (s^2) against the hanging mass m (kg), the
// accepted points as 6 x 6 squares and, from three points on, the
// least-squares line with the slope and k = 39.478418 / slope (4 pi^2 to six
// decimals) in the message line.
#include <cmath>
#include <limits>

#include "app/lab_dlg.h"
#include "experiment/graph_texts.h"
#include "experiment/least_squares.h"
#include "experiment/messages.h"
#include "platform/runtime.h"
#include "res/lab_colours.h"
#include "res/lab_layout.h"

void CLabDlg::DrawGraphPanel(CDC& dc) {
  m_panel.SetRect(layout::kGraphPanel.Rect());
  m_panel.DrawBox(dc, false, 0, true, kWhite);
  m_graph.DrawBox(dc, false, 0, true, kWhite);
  m_graph.ChangePen(dc, kGridColour);
  m_graph.DrawGrid(dc, true);
  m_graph.DrawTickLabels(dc, true, true);
  m_graph.DrawXTitle(dc, kGraphXTitle, kGraphTitlesItalic);
  m_graph.DrawYTitle(dc, kGraphYTitle, kGraphTitlesItalic);
  m_graph.DrawYTitleSmall(dc, kGraphYTitleSmall, kGraphTitlesItalic);

  for (int i = 0; i <= m_lastPoint; ++i) {
    const CPoint p = m_graph.WorldToScreen(m_pointMass[i], m_pointT2[i]);
    if (m_graph.InWorld(m_pointMass[i], m_pointT2[i])) {
      CRect square(p.x, p.y, p.x, p.y);
      square.InflateRect(3, 3);
      dc.FillSolidRect(square, kPointColour);
    }
  }
  if (m_lastPoint < 2) return;

  double intercept = 0.0;
  double slope = 0.0;
  LeastSquaresFit(m_pointMass, m_pointT2, 0, m_lastPoint, intercept, slope);
  if (intercept == kFitFailed) {
    ShowMessage(kFitFailedMessage);
    return;
  }
  // A level line (slope exactly 0) is a fit like any other: k is then the
  // infinite quotient, printed as such, taken without dividing by zero.
  const double k = slope == 0.0 ? std::copysign(std::numeric_limits<double>::infinity(), slope)
                                : kFourPiSquared / slope;
  ShowMessage(Format(kFitMessage, slope, k));
  m_graph.ChangePen(dc, kLineColour);
  CPlotArea::Segment segment{};
  m_graph.DrawClippedSegment(dc, 0.0, intercept, 2.0, intercept + 2 * slope, segment);
}
