// The strings' codes: a table of codes and their k (the same on the desktop
// and under Node), typed codes taken or refused, the check character's two
// promises over a sample, the teacher's list, and every k's points on the
// graph and ball in the box.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "experiment/string_code.h"
#include "physics/ball_radius.h"
#include "report/class_list.h"
#include "res/lab_layout.h"

namespace lab {

namespace {

using namespace string_code;

TEST(StringCode, CodesAndTheirK) {
  // Worked out apart from the lab, from the rules in string_code.h.
  const struct {
    std::uint32_t data;
    const char* code;
    int tenths;
  } rows[] = {{0, "222222", 280},     {1, "222234", 296},         {31, "2222ZV", 302},
              {12345, "22E3TW", 307}, {0x1ffffff, "ZZZZZ3", 314}, {22391466, "PDCPCU", 304},
              {16, "2222J7", 330}};
  for (const auto& row : rows) {
    EXPECT_EQ(CodeOfData(row.data), row.code);
    EXPECT_EQ(TenthsOfCode(row.code), row.tenths) << row.code;
    EXPECT_EQ(KOfCode(row.code), row.tenths / 10.0) << row.code;
  }
}

TEST(StringCode, TypedCodes) {
  const struct {
    const char* typed;
    CodeStatus status;
  } rows[] = {{"PDCPCU", CodeStatus::Valid},
              {" \tpdCpcu  ", CodeStatus::Valid},
              {"  ", CodeStatus::Empty},
              {"PDCPC", CodeStatus::WrongLength},
              {"PDCPCUU", CodeStatus::WrongLength},
              {"PDC PCU", CodeStatus::WrongLength},
              {"PDCPC\u00c9", CodeStatus::UnknownCharacter},
              {"PDCPC0", CodeStatus::UnknownCharacter},  // no 0, O, 1 or I
              {"PDCPCI", CodeStatus::UnknownCharacter},
              {"PDCPCV", CodeStatus::WrongCheck}};
  for (const auto& row : rows) {
    const ParsedCode parsed = ParseCode(row.typed);
    EXPECT_EQ(parsed.status, row.status) << row.typed;
    EXPECT_EQ(parsed.code, row.status == CodeStatus::Valid ? "PDCPCU" : "") << row.typed;
  }
}

TEST(StringCode, EverySingleWrongCharacterAndEverySwapOfNeighboursIsRefused) {
  for (std::uint32_t i = 0; i < 1500; ++i) {  // 1500 codes spread over the 2^25
    const std::string code = CodeOfData((i * 22367u + 7u) % kDataValues);
    for (int at = 0; at < kLength; ++at) {
      for (char other : kAlphabet) {
        std::string typo = code;
        typo[at] = other;
        ASSERT_EQ(ParseCode(typo).status,
                  other == code[at] ? CodeStatus::Valid : CodeStatus::WrongCheck)
            << typo;
      }
      std::string swapped = code;
      if (at + 1 == kLength || code[at] == code[at + 1]) continue;
      std::swap(swapped[at], swapped[at + 1]);
      ASSERT_EQ(ParseCode(swapped).status, CodeStatus::WrongCheck) << code << " as " << swapped;
    }
  }
}

TEST(StringCode, TheTeachersListAndEveryKOnTheGraphAndInTheBox) {
  // The bytes of trelko --professorat "Física 2n B" 12, which the page's
  // sheet must download too (tests/web).
  std::ifstream file(LAB_TEST_DATA_DIR "/class_list_fisica_2n_b.csv", std::ios::binary);
  const std::string expected{std::istreambuf_iterator<char>(file), {}};
  EXPECT_EQ(ClassListCsv(" F\u00edsica 2n B\t", 12), expected);
  for (int count : {0, 61}) EXPECT_EQ(ClassListCsv("F\u00edsica 2n B", count), "");
  const std::vector<std::string> codes = ClassCodes("3r ESO", kMaxClassSize);
  const std::set<std::string> distinct(codes.begin(), codes.end());
  EXPECT_EQ(distinct.size(), codes.size());
  for (const std::string& code : ClassCodes("3r ESP", kMaxClassSize)) {
    EXPECT_EQ(distinct.count(code), 0u) << code;
  }

  std::set<int> seen;
  for (std::uint32_t i = 0; i < 20000; ++i) seen.insert(TenthsOfCode(CodeOfData(i * 1677u)));
  EXPECT_EQ(seen, [] {
    std::set<int> all;
    for (int t = 280; t <= 330; ++t) all.insert(t);
    return all;
  }());
  const double ball = physical::kStartMass - physical::kWeightMass[1];
  for (int tenths = kMinTenths; tenths <= kMaxTenths; ++tenths) {
    const double k = tenths / 10.0;
    for (int set = 0; set < (1 << layout::kWeightCount); ++set) {  // every mass of the rack
      double m = ball;
      for (int w = 0; w < layout::kWeightCount; ++w) {
        if ((set & (1 << w)) != 0) m += physical::kWeightMass[w];
      }
      const double t2 = 39.478418 * m / k;  // 4 % to spare for a timing's error
      EXPECT_GE(t2 / 1.04, layout::kGraphT2Min) << k << " N/m, " << m << " kg";
      EXPECT_LE(t2 * 1.04, layout::kGraphT2Max) << k << " N/m, " << m << " kg";
      const double depth = physical::kNaturalLength + m * physical::kGravity / k;
      EXPECT_LT(depth + BallRadiusFromMass(m), layout::kBoxWorldTop - layout::kBoxWorldBottom);
    }
  }
}

}  // namespace

}  // namespace lab
