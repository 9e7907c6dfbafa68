#include "experiment/graph_panel.h"

#include "experiment/graph_texts.h"
#include "experiment/least_squares.h"
#include "platform/runtime.h"
#include "res/lab_colours.h"
#include "res/lab_layout.h"
#include "res/texts/text_catalogue.h"

namespace lab {

GraphFit DrawGraph(CDC& dc, CPlotArea& panel, CPlotArea& graph, const double* mass,
                   const double* t2, int lastPoint) {
  panel.SetRect(layout::kGraphPanel.Rect());
  panel.DrawBox(dc, false, 0, true, kWhite);
  graph.DrawBox(dc, false, 0, true, kWhite);
  graph.ChangePen(dc, kGridColour);
  graph.DrawGrid(dc, true);
  graph.DrawTickLabels(dc, true, true);
  graph.DrawXTitle(dc, TextOf(TextId::GraphXTitle), kGraphTitlesItalic);
  graph.DrawYTitle(dc, TextOf(TextId::GraphYTitle), kGraphTitlesItalic);
  graph.DrawYTitleSmall(dc, TextOf(TextId::GraphYTitleSmall), kGraphTitlesItalic);

  for (int i = 0; i <= lastPoint; ++i) {
    const CPoint p = graph.WorldToScreen(mass[i], t2[i]);
    if (graph.InWorld(mass[i], t2[i])) {
      CRect square(p.x, p.y, p.x, p.y);
      square.InflateRect(3, 3);
      dc.FillSolidRect(square, kPointColour);
    }
  }
  const GraphFit fit = FitGraph(mass, t2, lastPoint);
  if (fit.outcome != GraphFit::Outcome::kLine) return fit;
  graph.ChangePen(dc, kLineColour);
  CPlotArea::Segment segment{};
  const double mMax = layout::kGraphMassMax;
  graph.DrawClippedSegment(dc, 0.0, fit.intercept, mMax, fit.intercept + mMax * fit.slope, segment);
  return fit;
}

GraphFit FitGraph(const double* mass, const double* t2, int lastPoint) {
  GraphFit fit;
  if (lastPoint < 2) return fit;

  LeastSquaresFit(mass, t2, 0, lastPoint, fit.intercept, fit.slope);
  if (fit.intercept == kFitFailed) {
    fit.outcome = GraphFit::Outcome::kFailed;
    return fit;
  }
  fit.outcome = GraphFit::Outcome::kLine;
  // A level or falling line is drawn, but gives no k: the message says the
  // slope could not be computed.
  fit.hasK = SlopeGivesK(mass, t2, 0, lastPoint, fit.slope);
  if (fit.hasK) fit.k = kFourPiSquared / fit.slope;
  return fit;
}

std::string FitMessage(const GraphFit& fit) {
  switch (fit.outcome) {
    case GraphFit::Outcome::kFailed:
      return TextOf(TextId::FitFailedMessage);
    case GraphFit::Outcome::kLine:
      if (!fit.hasK) return TextOf(TextId::FitFailedMessage);
      return Format(TextOf(TextId::FitMessage), fit.slope, fit.k);
    case GraphFit::Outcome::kNone:
      break;
  }
  return std::string();
}

}  // namespace lab
