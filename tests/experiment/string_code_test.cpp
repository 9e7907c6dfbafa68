// The codes of the strings: what a code's k is (the same table on the
// desktop and under Node), which typed codes are taken, that the check
// character refuses every single wrong character and every swap of two
// neighbours, the teacher's list, and that every k a code can give keeps
// the masses' points on the graph and the ball inside the box.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "experiment/string_code.h"
#include "physics/ball_radius.h"
#include "report/class_list.h"
#include "res/lab_layout.h"

namespace {

using namespace string_code;

// Worked out apart from the lab's code, from the rules in string_code.h.
struct CodeRow {
  std::uint32_t data;
  const char* code;
  int tenths;
};
constexpr CodeRow kCodes[] = {
    {0, "222222", 280},        {1, "222234", 296},     {31, "2222ZV", 302},
    {32, "222326", 308},       {12345, "22E3TW", 307}, {0x1ffffff, "ZZZZZ3", 314},
    {22391466, "PDCPCU", 304},
};

TEST(StringCode, ATableOfCodesAndTheirK) {
  for (const CodeRow& row : kCodes) {
    EXPECT_EQ(CodeOfData(row.data), row.code);
    EXPECT_EQ(TenthsOfCode(row.code), row.tenths) << row.code;
    // One division of a whole number of tenths: the same bits everywhere.
    EXPECT_EQ(KOfCode(row.code), row.tenths / 10.0) << row.code;
  }
}

struct TypedRow {
  const char* typed;
  CodeStatus status;
  const char* code;
};
const TypedRow kTyped[] = {
    {"PDCPCU", CodeStatus::Valid, "PDCPCU"},
    {"pdcpcu", CodeStatus::Valid, "PDCPCU"},
    {" \tPdCpCu  ", CodeStatus::Valid, "PDCPCU"},
    {"", CodeStatus::Empty, ""},
    {"   ", CodeStatus::Empty, ""},
    {"PDCPC", CodeStatus::WrongLength, ""},
    {"PDCPCUU", CodeStatus::WrongLength, ""},
    {"PDC PCU", CodeStatus::WrongLength, ""},
    {"PDCPC\u00c9", CodeStatus::UnknownCharacter, ""},  // six characters, one outside
    {"PDCPC0", CodeStatus::UnknownCharacter, ""},       // 0 and O, 1 and I are left out
    {"PDCPCI", CodeStatus::UnknownCharacter, ""},
    {"PDCPCO", CodeStatus::UnknownCharacter, ""},
    {"PDCPCV", CodeStatus::WrongCheck, ""},
    {"DPCPCU", CodeStatus::WrongCheck, ""},
};

TEST(StringCode, TakesTypedCodesInEitherCaseAndRefusesTheRest) {
  for (const TypedRow& row : kTyped) {
    const ParsedCode parsed = ParseCode(row.typed);
    EXPECT_EQ(parsed.status, row.status) << row.typed;
    EXPECT_EQ(parsed.code, row.code) << row.typed;
  }
  EXPECT_STREQ(CodeProblem(CodeStatus::WrongLength), "El codi ha de tenir sis car\u00e0cters");
  EXPECT_STREQ(CodeProblem(CodeStatus::WrongCheck), "El codi no \u00e9s v\u00e0lid: reviseu-lo");
  EXPECT_STREQ(CodeProblem(CodeStatus::UnknownCharacter), CodeProblem(CodeStatus::WrongCheck));
}

TEST(StringCode, EverySingleWrongCharacterAndEverySwapOfNeighboursIsRefused) {
  // A sample of 1500 codes spread over the 2^25 data values.
  for (std::uint32_t i = 0; i < 1500; ++i) {
    const std::string code = CodeOfData((i * 22367u + 7u) % kDataValues);
    ASSERT_EQ(ParseCode(code).status, CodeStatus::Valid) << code;
    for (int at = 0; at < kLength; ++at) {
      for (char other : kAlphabet) {
        if (other == code[at]) continue;
        std::string typo = code;
        typo[at] = other;
        ASSERT_EQ(ParseCode(typo).status, CodeStatus::WrongCheck) << code << " as " << typo;
      }
      if (at + 1 < kLength && code[at] != code[at + 1]) {
        std::string swapped = code;
        std::swap(swapped[at], swapped[at + 1]);
        ASSERT_EQ(ParseCode(swapped).status, CodeStatus::WrongCheck) << code << " as " << swapped;
      }
    }
  }
}

TEST(StringCode, TheTeachersListIsTheSameForTheSameWordAndItsCodesAreDistinct) {
  // The same bytes the page's sheet downloads (tests/web checks this file).
  std::ifstream file(LAB_TEST_DATA_DIR "/class_list_fisica_2n_b.csv", std::ios::binary);
  const std::string expected{std::istreambuf_iterator<char>(file), {}};
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(ClassListCsv("F\u00edsica 2n B", 12), expected);
  EXPECT_EQ(ClassListCsv("  F\u00edsica 2n B\t", 12), expected);
  EXPECT_EQ(ClassListCsv("f\u00edsica 2n B", 12) == expected, false);
  for (int count : {0, 61, -1}) EXPECT_EQ(ClassListCsv("F\u00edsica 2n B", count), "");
  EXPECT_EQ(ClassListCsv(" ", 5), "");

  const std::vector<std::string> codes = ClassCodes("3r ESO", kMaxClassSize);
  const std::set<std::string> distinct(codes.begin(), codes.end());
  EXPECT_EQ(distinct.size(), static_cast<std::size_t>(kMaxClassSize));
  for (const std::string& code : codes) EXPECT_EQ(ParseCode(code).code, code);
  // Another word's list does not hold these codes.
  for (const std::string& code : ClassCodes("3r ESP", kMaxClassSize)) {
    EXPECT_EQ(distinct.count(code), 0u) << code;
  }
}

TEST(StringCode, EveryKKeepsThePointsOnTheGraphAndTheBallInTheBox) {
  std::set<int> seen;
  for (std::uint32_t i = 0; i < 20000; ++i) seen.insert(TenthsOfCode(CodeOfData(i * 1677u)));
  EXPECT_EQ(seen.size(), 51u);
  EXPECT_EQ(*seen.begin(), kMinTenths);
  EXPECT_EQ(*seen.rbegin(), kMaxTenths);

  // Every mass the rack can hang: the ball and any set of the weights.
  const double ball = physical::kStartMass - physical::kWeightMass[1];
  for (int tenths = kMinTenths; tenths <= kMaxTenths; ++tenths) {
    const double k = tenths / 10.0;
    for (int set = 0; set < (1 << layout::kWeightCount); ++set) {
      double m = ball;
      for (int w = 0; w < layout::kWeightCount; ++w) {
        if ((set & (1 << w)) != 0) m += physical::kWeightMass[w];
      }
      // T² with 4 % to spare for a timing's error, on both sides.
      const double t2 = 39.478418 * m / k;
      EXPECT_GE(t2 / 1.04, layout::kGraphT2Min) << k << " N/m, " << m << " kg";
      EXPECT_LE(t2 * 1.04, layout::kGraphT2Max) << k << " N/m, " << m << " kg";
      // The ball at rest: its bottom above the box's floor.
      const double depth =
          physical::kNaturalLength + m * physical::kGravity / k + BallRadiusFromMass(m);
      EXPECT_LT(depth, layout::kBoxWorldTop - layout::kBoxWorldBottom) << k << " N/m, " << m;
    }
  }
}

}  // namespace
