#include "experiment/graph_texts.h"

void LayOutGraph(CPlotArea& graph) {
  graph.SetRect(309, 144, 342, 226);
  graph.SetWorld(0.6, 2.0, 0.8, 2.8);
  graph.MakeGrid(0.2, 0, 1, 0, 0.3, 0, 0, 1);
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
