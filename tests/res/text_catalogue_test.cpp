// The text catalogue: names to texts in the current language, Catalan
// first and by default, and a change of language that an unknown code
// cannot make.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/data_exchange.h"
#include "res/lab_resources.h"
#include "res/resource_ids.h"
#include "res/texts/text_catalogue.h"

namespace lab {
namespace {

TEST(TextCatalogue, CatalanIsFirstAndCurrentAndUnknownCodesChangeNothing) {
  ASSERT_FALSE(Languages().empty());
  EXPECT_EQ(Languages().front(), "ca");
  EXPECT_EQ(CurrentLanguage(), "ca");
  EXPECT_STREQ(TextOf(TextId::StartButton), "Comen\u00e7ar");
  // Texts that begin or end in a blank keep it.
  EXPECT_STREQ(TextOf(TextId::NewSeriesMessage), " Determina la constant el\u00e0stica");
  EXPECT_STREQ(TextOf(TextId::ListLastJoiner), " i ");
  EXPECT_EQ(std::string(TextOf(TextId::TeacherUsage)).back(), '\n');

  for (const char* bad : {"", "xx", "CA", "ca ", "c"}) {
    EXPECT_FALSE(SetLanguage(bad)) << bad;
    EXPECT_EQ(CurrentLanguage(), "ca");
  }
  EXPECT_TRUE(SetLanguage("ca"));
  EXPECT_STREQ(TextIn("zz", TextId::PlotButton), TextOf(TextId::PlotButton));
  // A name outside the enumeration gives an empty text, never a stray read.
  EXPECT_STREQ(TextOf(static_cast<TextId>(kTextCount)), "");
  EXPECT_STREQ(TextOf(static_cast<TextId>(-1)), "");
  for (int i = 0; i < kTextCount; ++i) {
    for (std::string_view code : Languages()) {
      EXPECT_GT(std::strlen(TextIn(code, static_cast<TextId>(i))), 0u) << code << " " << i;
    }
  }
}

TEST(TextCatalogue, TemplatesAndStandardMessagesSpeakThroughIt) {
  InstallResources(LabResources());
  const DialogTemplate* main = FindDialogTemplate(IDD_MAIN);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->caption, TextOf(TextId::MainCaption));
  EXPECT_EQ(main->controls[5].text, TextOf(TextId::StartButton));
  EXPECT_EQ(LoadString(IDS_ABOUTBOX), "Acerca de trelko.exe");
  EXPECT_EQ(RangeMessage(2, 40), "Introdu\u00efu un nombre enter entre 2 i 40.");
}

}  // namespace
}  // namespace lab
