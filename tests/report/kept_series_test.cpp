// The kept series' text: what the lab writes it reads back exactly, and any
// other text (cut, damaged, random, huge) is refused without harm.
#include <gtest/gtest.h>

#include <random>

#include "report/kept_series.h"

namespace lab {

namespace {

KeptSeries Sample() {
  KeptSeries kept;
  kept.current.Add(1.0 - 0.3, std::pow(9.7 / 10, 2.0));
  kept.current.Add(1.0, 1.44);
  kept.current.Add(1.0 + 0.5 + 0.2 + 0.2, std::pow(16.3 / 10, 2.0));
  kept.previous.Add(1.2, 1.69);
  return kept;
}

TEST(KeptSeries, TheTextIsSmallAndReadsBackExactly) {
  const KeptSeries kept = Sample();
  const std::string text = WriteKeptSeries(kept);
  EXPECT_EQ(text.substr(0, 25), "trelko-series 1\ncurrent 3");
  EXPECT_NE(text.find("\nprevious 1\n1.2 1.69\n"), std::string::npos) << text;
  EXPECT_EQ(ReadKeptSeries(text), kept);
  EXPECT_EQ(ReadKeptSeries(WriteKeptSeries(KeptSeries{})), KeptSeries{});
}

TEST(KeptSeries, TwoFullTablesOfLongNumbersFitTheLimit) {
  KeptSeries kept;
  for (int i = 0; i < PointSeries::kCapacity; ++i) {
    kept.current.Add(0.7 + 1.2 / 3.0 * (i % 3), 1.0 / 3.0 + i * 1e7);
    kept.previous.Add(1.9 - 1e-12, 123456789.123456789 / (i + 1));
  }
  const std::string text = WriteKeptSeries(kept);
  EXPECT_LE(text.size(), kKeptSeriesMaxBytes);
  EXPECT_EQ(ReadKeptSeries(text), kept);
}

struct BadText {
  const char* name;
  std::string text;
};

class KeptSeriesRefuses : public ::testing::TestWithParam<BadText> {};

TEST_P(KeptSeriesRefuses, TheWholeText) {
  EXPECT_FALSE(ReadKeptSeries(GetParam().text).has_value());
}

const std::string kGood = "trelko-series 1\ncurrent 2\n0.7 0.9409\n1 1.44\nprevious 0\n";

std::string Lines(int n, const std::string& line) {
  std::string out;
  for (int i = 0; i < n; ++i) out += line;
  return out;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, KeptSeriesRefuses,
    ::testing::Values(
        BadText{"Empty", ""}, BadText{"OnlyTheVersion", "trelko-series 1\n"},
        BadText{"OtherVersion", "trelko-series 2\ncurrent 0\nprevious 0\n"},
        BadText{"NoLastLineEnd", kGood.substr(0, kGood.size() - 1)},
        BadText{"CutInARow", kGood.substr(0, 30)},
        BadText{"CutAfterARow", kGood.substr(0, kGood.find("1 1.44"))},
        BadText{"CountAbove100",
                "trelko-series 1\ncurrent 101\n" + Lines(101, "1 1\n") + "previous 0\n"},
        BadText{"CountTooLong", "trelko-series 1\ncurrent 0001\nprevious 0\n"},
        BadText{"NegativeCount", "trelko-series 1\ncurrent -1\nprevious 0\n"},
        BadText{"FewerRowsThanCounted", "trelko-series 1\ncurrent 3\n1 1\n1 1\nprevious 0\n"},
        BadText{"MassBelowTheRack", "trelko-series 1\ncurrent 1\n0.5 1\nprevious 0\n"},
        BadText{"MassAboveTheRack", "trelko-series 1\ncurrent 1\n2.1 1\nprevious 0\n"},
        BadText{"ZeroSquaredPeriod", "trelko-series 1\ncurrent 1\n1 0\nprevious 0\n"},
        BadText{"HugeSquaredPeriod", "trelko-series 1\ncurrent 1\n1 1e13\nprevious 0\n"},
        BadText{"NotANumber", "trelko-series 1\ncurrent 1\n1 nan\nprevious 0\n"},
        BadText{"Infinite", "trelko-series 1\ncurrent 1\n1 inf\nprevious 0\n"},
        BadText{"OutOfDoubleRange", "trelko-series 1\ncurrent 1\n1 1e999\nprevious 0\n"},
        BadText{"DecimalComma", "trelko-series 1\ncurrent 1\n1 1,44\nprevious 0\n"},
        BadText{"TwoSpaces", "trelko-series 1\ncurrent 1\n1  1.44\nprevious 0\n"},
        BadText{"ThreeNumbers", "trelko-series 1\ncurrent 1\n1 1.44 2\nprevious 0\n"},
        BadText{"WindowsLineEnds", "trelko-series 1\r\ncurrent 0\r\nprevious 0\r\n"},
        BadText{"NoPrevious", "trelko-series 1\ncurrent 0\n"},
        BadText{"SwappedSections", "trelko-series 1\nprevious 0\ncurrent 0\n"},
        BadText{"TrailingLine", kGood + "\n"},
        BadText{"MillionLines", kGood + Lines(1000000, "1 1\n")},
        BadText{"NulBytes", std::string("trelko-series 1\0\ncurrent 0\nprevious 0\n", 38)},
        BadText{"RandomBytes", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)}),
    [](const auto& row) { return std::string(row.param.name); });

// Random texts and random damage to a good text: the reader never fails
// otherwise than by refusing, and what it accepts holds only valid tables.
TEST(KeptSeries, FuzzedTextsAreRefusedOrValid) {
  const std::string good = WriteKeptSeries(Sample());
  std::mt19937 random(20261208);
  const std::string alphabet = "0123456789.-e+ \ncurrentpvious\r\t,xX";
  auto check = [](const std::string& text) {
    const std::optional<KeptSeries> kept = ReadKeptSeries(text);
    if (!kept) return;
    for (const PointSeries* s : {&kept->current, &kept->previous}) {
      ASSERT_LE(s->Size(), PointSeries::kCapacity);
      for (int i = 0; i < s->Size(); ++i) {
        ASSERT_TRUE(s->mass[i] >= 0.69 && s->mass[i] <= 1.91) << text;
        ASSERT_TRUE(s->t2[i] > 0.0 && s->t2[i] <= 1e12) << text;
      }
    }
    // What is accepted is what the lab would write for those tables.
    ASSERT_EQ(ReadKeptSeries(WriteKeptSeries(*kept)), kept);
  };
  for (int round = 0; round < 20000; ++round) {
    std::string text = good;
    const int edits = 1 + static_cast<int>(random() % 4);
    for (int e = 0; e < edits && !text.empty(); ++e) {
      const std::size_t at = random() % text.size();
      switch (random() % 4) {
        case 0:
          text[at] = static_cast<char>(random() % 256);
          break;
        case 1:
          text[at] = alphabet[random() % alphabet.size()];
          break;
        case 2:
          text.erase(at, 1 + random() % 8);
          break;
        default:
          text.resize(at);
          break;
      }
    }
    check(text);
    std::string noise(random() % 200, '\0');
    for (char& c : noise) c = static_cast<char>(random() % 256);
    check(noise);
    check("trelko-series 1\n" + noise);
  }
}

}  // namespace

}  // namespace lab
