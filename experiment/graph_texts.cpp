#include "experiment/graph_texts.h"

#include "res/lab_layout.h"

namespace lab {

void LayOutGraph(CPlotArea& graph) {
  graph.SetRect(layout::kGraph.Rect());
  ResetGraphWorld(graph);
}

void ResetGraphWorld(CPlotArea& graph) {
  using namespace layout;
  graph.SetWorld(kGraphMassMin, kGraphMassMax, kGraphT2Min, kGraphT2Max);
  const GridValues& g = kGraphGrid;
  graph.MakeGrid(g.verticalStep, g.verticalAnchor, g.up, g.down, g.horizontalStep,
                 g.horizontalAnchor, g.left, g.right);
}

std::vector<GraphText> GraphTexts() {
  CPlotArea graph;
  LayOutGraph(graph);
  std::vector<GraphText> texts;
  const LogFont label = CPlotArea::TickLabelFont();
  for (int i = 0; i < graph.VerticalLineCount(); ++i) texts.push_back({label, graph.XTickLabel(i)});
  for (int i = 0; i < graph.HorizontalLineCount(); ++i) {
    texts.push_back({label, graph.YTickLabel(i)});
  }
  texts.push_back({CPlotArea::TitleFont(false, kGraphTitlesItalic), kGraphXTitle});
  texts.push_back({CPlotArea::TitleFont(true, kGraphTitlesItalic), kGraphYTitle});
  texts.push_back({CPlotArea::SmallTitleFont(kGraphTitlesItalic), kGraphYTitleSmall});
  return texts;
}

}  // namespace lab
