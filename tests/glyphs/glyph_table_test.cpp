// The lab's glyph table: every text the graph writes finds its font and
// each of its characters in the table; the table source's answers for a
// font or a character it lacks; and a painted lab that asks its text
// renderer for nothing it cannot serve.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "experiment/graph_texts.h"
#include "platform/text/glyph_table.h"
#include "platform/text/text_renderer.h"
#include "platform/text/utf8.h"
#include "res/texts/text_catalogue.h"
#include "tests/support/graph_text_print.h"
#include "tests/support/lab_fixture.h"

namespace lab {

namespace {

class GraphTextInTable : public ::testing::TestWithParam<GraphText> {};

TEST_P(GraphTextInTable, FindsItsFontAndEveryCharacter) {
  const GraphText& t = GetParam();
  const text::TableFont* font = text::FindTableFont(text::LabGlyphTable(), t.font);
  ASSERT_NE(font, nullptr) << "no font in the table for \"" << t.text << "\"";
  for (std::size_t pos = 0; pos < t.text.size();) {
    const char32_t c = text::DecodeUtf8(t.text, pos);
    EXPECT_NE(text::FindTableGlyph(*font, c), nullptr)
        << "U+" << std::hex << static_cast<unsigned>(c) << " of \"" << t.text << "\"";
  }
}

INSTANTIATE_TEST_SUITE_P(EveryGraphText, GraphTextInTable, ::testing::ValuesIn(GraphTexts()));

TEST(GraphTexts, CoverTheGridLabelsAndTheThreeTitles) {
  CPlotArea graph;
  LayOutGraph(graph);
  const auto texts = GraphTexts();
  ASSERT_EQ(texts.size(),
            static_cast<std::size_t>(graph.VerticalLineCount() + graph.HorizontalLineCount() + 3));
  EXPECT_GT(graph.VerticalLineCount(), 0);
  EXPECT_GT(graph.HorizontalLineCount(), 0);
  EXPECT_EQ(texts.front().text, graph.XTickLabel(0));
  EXPECT_EQ(texts.back().text, TextOf(TextId::GraphYTitleSmall));
}

struct LookupRow {
  const char* name;
  LogFont font;
  const char* text;
  bool drawn;   // a face serves the font
  bool missed;  // the renderer counts a miss
  bool inked;   // pixels change
};
void PrintTo(const LookupRow& row, std::ostream* os) { *os << row.name; }

class TableSourceTest : public ::testing::TestWithParam<LookupRow> {};

TEST_P(TableSourceTest, AnswersAsTheRowSays) {
  const LookupRow& row = GetParam();
  text::TextRenderer renderer(std::make_unique<text::GlyphTableSource>(text::LabGlyphTable()));
  Surface surface(80, 80, RGB(255, 255, 255));
  const Surface before = surface;
  text::TextPlacement placement;
  placement.x = 40;
  placement.y = 40;
  const text::TextResult result = renderer.Draw(surface, row.font, placement, row.text);
  EXPECT_EQ(result.drawn, row.drawn);
  EXPECT_EQ(renderer.Misses(), row.missed ? 1u : 0u);
  bool inked = false;
  for (int y = 0; y < surface.Height(); ++y)
    for (int x = 0; x < surface.Width(); ++x)
      inked = inked || surface.GetPixel(x, y) != before.GetPixel(x, y);
  EXPECT_EQ(inked, row.inked);
  EXPECT_EQ(renderer.Extent(row.font, row.text).cx > 0, row.drawn);
}

LogFont Bold(LogFont font) {
  font.weight = FW_BOLD;
  return font;
}
LogFont Turned(LogFont font, int escapement) {
  font.escapement = escapement;
  return font;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TableSourceTest,
    ::testing::Values(
        LookupRow{"Label", CPlotArea::TickLabelFont(), "1.4", true, false, true},
        LookupRow{"LabelTurnedAFullCircle", Turned(CPlotArea::TickLabelFont(), 3600), "0.8", true,
                  false, true},
        LookupRow{"LetterNotInTheLabelFont", CPlotArea::TickLabelFont(), "Z", true, true, false},
        LookupRow{"BoldNotInTheTable", Bold(CPlotArea::TickLabelFont()), "1.4", false, true, false},
        LookupRow{"LabelFontUpwards", Turned(CPlotArea::TickLabelFont(), 900), "1.4", false, true,
                  false},
        LookupRow{"SmallTitleLevel", Turned(CPlotArea::SmallTitleFont(false), 0), "2", false, true,
                  false}),
    [](const auto& p) { return std::string(p.param.name); });

using PaintedLab = LabTest;

// The start-up paint and a repaint write every graph text.
TEST_F(PaintedLab, WritesNothingItsGlyphSourceCannotServe) {
  host->Paint(dlg);
  EXPECT_EQ(text::TextRenderer::Shared().Misses(), 0u);
}

}  // namespace

}  // namespace lab
