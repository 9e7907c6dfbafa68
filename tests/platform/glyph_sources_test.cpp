// The two glyph sources give the same pixels: every text the graph writes,
// drawn with FreeType and with the lab's glyph table, at the alignments and
// background modes the lab uses and others, compared pixel for pixel, with
// the same extents and metrics.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>

#include "experiment/graph_texts.h"
#include "platform/text/font_library.h"
#include "platform/text/glyph_table.h"
#include "platform/text/text_renderer.h"
#include "tests/support/graph_text_print.h"

namespace lab {

namespace {

struct PlacementRow {
  const char* name;
  unsigned align;
  bool opaque;
};

constexpr PlacementRow kPlacements[] = {
    {"CentreTopOpaque", TA_CENTER | TA_TOP, true},
    {"CentreTopTransparent", TA_CENTER | TA_TOP, false},
    {"RightBaselineOpaque", TA_RIGHT | TA_BASELINE, true},
    {"LeftBottomTransparent", TA_LEFT | TA_BOTTOM, false},
};

class SameGlyphs : public ::testing::TestWithParam<std::tuple<GraphText, PlacementRow>> {
 protected:
  static void SetUpTestSuite() {
    freeType = new text::TextRenderer(std::make_unique<text::FontLibrary>(nullptr));
    table = new text::TextRenderer(std::make_unique<text::GlyphTableSource>(text::LabGlyphTable()));
  }
  static void TearDownTestSuite() {
    delete freeType;
    delete table;
  }
  static inline text::TextRenderer* freeType = nullptr;
  static inline text::TextRenderer* table = nullptr;
};

TEST_P(SameGlyphs, DrawTheSamePixels) {
  const auto& [t, row] = GetParam();
  text::TextPlacement placement;
  placement.x = 61;
  placement.y = 57;
  placement.align = row.align;
  placement.opaque = row.opaque;
  placement.background = RGB(250, 240, 200);
  placement.color = RGB(20, 30, 140);
  Surface expected(120, 120, RGB(255, 255, 255));
  Surface actual = expected;
  const text::TextResult a = freeType->Draw(expected, t.font, placement, t.text);
  const text::TextResult b = table->Draw(actual, t.font, placement, t.text);
  ASSERT_TRUE(a.drawn);
  ASSERT_TRUE(b.drawn);
  EXPECT_EQ(a.changed, b.changed);
  int differences = 0;
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x)
      differences += expected.GetPixel(x, y) != actual.GetPixel(x, y) ? 1 : 0;
  EXPECT_EQ(differences, 0) << "\"" << t.text << "\"";
  EXPECT_EQ(freeType->Extent(t.font, t.text), table->Extent(t.font, t.text));
  const text::PixelMetrics m = freeType->Metrics(t.font);
  const text::PixelMetrics n = table->Metrics(t.font);
  EXPECT_EQ(std::tie(m.ppem, m.ascent, m.descent, m.xScale),
            std::tie(n.ppem, n.ascent, n.descent, n.xScale));
  EXPECT_EQ(freeType->FaceFile(t.font), table->FaceFile(t.font));
  EXPECT_EQ(freeType->Misses(), 0u);
  EXPECT_EQ(table->Misses(), 0u);
}

INSTANTIATE_TEST_SUITE_P(EveryGraphText, SameGlyphs,
                         ::testing::Combine(::testing::ValuesIn(GraphTexts()),
                                            ::testing::ValuesIn(kPlacements)),
                         [](const auto& p) {
                           return std::get<1>(p.param).name + std::string("_") +
                                  std::to_string(p.index);
                         });

}  // namespace

}  // namespace lab
