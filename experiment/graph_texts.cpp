#include "experiment/graph_texts.h"

#include "res/lab_layout.h"
#include "res/texts/text_catalogue.h"

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
  const GraphText titles[] = {
      {CPlotArea::TitleFont(false, kGraphTitlesItalic), ""},
      {CPlotArea::TitleFont(true, kGraphTitlesItalic), ""},
      {CPlotArea::SmallTitleFont(kGraphTitlesItalic), ""},
  };
  const TextId ids[] = {TextId::GraphXTitle, TextId::GraphYTitle, TextId::GraphYTitleSmall};
  const std::size_t first = texts.size();
  for (std::string_view language : Languages()) {
    for (int t = 0; t < 3; ++t) {
      GraphText title = titles[t];
      title.text = TextIn(language, ids[t]);
      bool listed = false;
      for (std::size_t i = first; i < texts.size(); ++i) {
        listed = listed || (texts[i].text == title.text && texts[i].font == title.font);
      }
      if (!listed) texts.push_back(title);
    }
  }
  return texts;
}

}  // namespace lab
