// The conversions of field texts, the number patterns and the load formulas, without a window.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "../common/test_support.h"
#include "calc/calculation.h"
#include "calc/number.h"
#include "calc/pattern.h"

namespace quarnel {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfAText) {
  const std::pair<const char*, double> rows[] = {
      {"3.60", 3.6}, {"6.6m", 6.6}, {"1,5", 1},     {".5", 0.5},   {"-3", -3},     {"", 0},
      {"abc", 0},    {"5层", 5},    {" 2.0", 2},    {"1 2", 12},   {"6,6", 6},     {"\t-\n7", -7},
      {"+4", 4},     {"1E+2", 100}, {"25e-1", 2.5}, {"2e+", 2},    {"1.2.3", 1.2}, {"--3", 0},
      {"e5", 0},     {"&H10", 0},   {"1 e 2", 100}, {"1e-400", 0}, {"0.1", 0.1}};
  for (const auto& [text, value] : rows) {
    SCOPED_TRACE(text);
    EXPECT_EQ(parseLeadingNumber(text).value, value);
    EXPECT_TRUE(parseLeadingNumber(text).inRange);
  }
  EXPECT_TRUE(std::signbit(parseLeadingNumber("-0").value));
  for (const char* beyond : {"1e309", "-1e400", "1e99999999999999999999"})
    EXPECT_FALSE(parseLeadingNumber(beyond).inRange) << beyond;
  EXPECT_TRUE(parseLeadingNumber("1.7976931348623157e308").inRange);
}

TEST(Int16Conversion, RoundsHalvesToEvenWithinTheRange) {
  const std::pair<double, int> rows[] = {{4.5, 4},         {5.5, 6},          {-2.5, -2},
                                         {3.49, 3},        {-0.5, 0},         {0.5000001, 1},
                                         {32767.4, 32767}, {-32768.5, -32768}};
  for (const auto& [value, whole] : rows) {
    SCOPED_TRACE(value);
    ASSERT_TRUE(toInt16(value).has_value());
    EXPECT_EQ(*toInt16(value), whole);
  }
  for (double out : {32767.5, 32768.0, -32768.6, 1e10})
    EXPECT_FALSE(toInt16(out).has_value()) << out;
}

TEST(NumberPattern, FifteenDigitsThenThreeDecimalsHalvesAwayFromZero) {
  constexpr Pattern kMin1 = Pattern::OneToThreeDecimals, kMin0 = Pattern::UpToThreeDecimals;
  const struct {
    double value;
    Pattern pattern;
    const char* text;
  } rows[] = {{244.21909, kMin1, "244.219"},
              {28.269681, kMin1, "28.27"},
              {41.730000019, kMin1, "41.73"},
              {25, kMin1, "25.0"},
              {0.0004, kMin1, "0.0"},
              {2.0005, kMin1, "2.001"},
              {-2.0005, kMin1, "-2.001"},
              {332.640461, kMin0, "332.64"},
              {25, kMin0, "25."},
              {0.0004, kMin0, "0."},
              {-2.0005, kMin0, "-2.001"},
              {0.9996, kMin1, "1.0"},
              {999.9995, kMin0, "1000."},
              {1e20, kMin1, "100000000000000000000.0"},
              {1.0004999999999999, kMin1, "1.001"},
              {-0.0004, kMin1, "0.0"}};
  for (const auto& r : rows) EXPECT_EQ(formatNumber(r.value, r.pattern), r.text) << r.value;
}

// Reads one field's text into the working values, all other fields empty.
ReadResult readOne(const std::string& field, const std::string& text) {
  return readInputs([&](std::string_view name) { return name == field ? text : std::string(); });
}

TEST(Reading, EachFieldIsHeldInItsType) {
  using Get = std::function<double(const Inputs&)>;
  const struct {
    const char* field;
    const char* text;
    Get get;
    double value;
  } rows[] = {
      {"zjxs", "0.90", [](const Inputs& i) { return i.zjxs; }, 0.89999997615814208984375},
      {"zjxs", "0.85", [](const Inputs& i) { return i.zjxs; }, 0.85000002384185791015625},
      {"nrq", "6.858", [](const Inputs& i) { return i.nrq; }, 6.8579998016357421875},
      {"wmdh", "0.65", [](const Inputs& i) { return i.wmdh; }, 0.64999997615814208984375},
      {"ytzcd", "0.90", [](const Inputs& i) { return i.ytzcd; }, 0.89999997615814208984375},
      {"hhjscs", "4.5", [](const Inputs& i) { return i.hhjscs; }, 4},
      {"hhjscs", "5.5", [](const Inputs& i) { return i.hhjscs; }, 6},
      {"hhjscs", "3.49", [](const Inputs& i) { return i.hhjscs; }, 3},
      {"hhjscs", "5层", [](const Inputs& i) { return i.hhjscs; }, 5},
      {"qcs", "5.5", [](const Inputs& i) { return i.qcs; }, 5.5},
      {"qcd", "6.6m", [](const Inputs& i) { return i.qcd; }, 6.6},
      {"wmhh", "0.9", [](const Inputs& i) { return i.wmhh; }, 0.9},
      {"crz", "0.9", [](const Inputs& i) { return i.crz; }, 0.9},
      {"zrz", "0.9", [](const Inputs& i) { return i.zrz; }, 0.9},
      {"lmjscd", "0.9", [](const Inputs& i) { return i.lmjscd; }, 0.9},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(r.field) + " " + r.text);
    ReadResult read = readOne(r.field, r.text);
    ASSERT_TRUE(read.inputs.has_value());
    EXPECT_EQ(r.get(*read.inputs), r.value);
  }
  for (const char* out : {"32767.5", "-32769"})
    EXPECT_NE(readOne("hhjscs", out).failure.find("楼面计算层数"), std::string::npos) << out;
}

Loads loadsOf(const test::Texts& texts, WallType wall) {
  ReadResult read = readInputs([&](std::string_view name) {
    for (const auto& [field, text] : texts)
      if (field == name) return text;
    return std::string();
  });
  EXPECT_TRUE(read.inputs.has_value());
  return computeLoads(*read.inputs, wall);
}

TEST(Loads, WorkedExamplesShowTheirResults) {
  for (const test::Example& e : test::workedExamples()) {
    const WallType wall = e.interior ? WallType::Interior : WallType::Exterior;
    const ResultTexts shown = formatLoads(loadsOf(e.texts, wall), wall);
    EXPECT_EQ(test::Results(shown.texts.begin(), shown.texts.end()), e.results) << e.name;
  }
  EXPECT_EQ(loadsOf(test::workedExamples()[1].texts, WallType::Interior).hhz, 41.730000019073486);
}

// Each term of the formulas alone, with inputs that make the arithmetic plain.
TEST(Loads, EachTermEntersAsWritten) {
  constexpr WallType X = WallType::Exterior, N = WallType::Interior;
  const double balcony = ((-0.4 * 3.25) + 1.452) + 0.7649999999999999;
  const struct {
    const char* name;
    WallType wall;
    test::Texts texts;
    Loads loads;
  } rows[] = {
      {"balcony at -0.4 m",
       X,
       {{"yttccd", "-0.4"}, {"ytzcd", "1"}, {"qcd", "1"}, {"hhjscs", "1"}},
       {balcony, -1.0, 0, balcony * 1.2}},
      {"balcony spread over the wall",
       X,
       {{"yttccd", "1"}, {"ytzcd", "2"}, {"qcd", "4"}, {"hhjscs", "3"}, {"zjxs", "1"}},
       {(((3.25 + 1.452) + 0.7649999999999999) * 2 / 4) * 3, 3.75, 3.75,
        3.75 * 1.4 + ((((3.25 + 1.452) + 0.7649999999999999) * 2 / 4) * 3) * 1.2}},
      {"parapet as a float",
       X,
       {{"nrq", "6.858"}, {"qcd", "1"}},
       {6.8579998016357421875, 0, 0, 6.8579998016357421875 * 1.2}},
      {"roof dead load as a float",
       X,
       {{"wmdh", "0.9"}, {"lmjscd", "1"}, {"qcd", "1"}},
       {0.89999997615814208984375, 0, 0, 0.89999997615814208984375 * 1.2}},
      {"roof live load rounded to a float",
       N,
       {{"wmhh", "0.1"}, {"lmjscd", "1"}, {"qcd", "1"}, {"zjxs", "1"}},
       {0, 0.100000001490116119384765625, 0.100000001490116119384765625,
        0.100000001490116119384765625 * 1.4}},
      {"floors",
       X,
       {{"lmdh", "3"}, {"lmhh", "0.5"}, {"lmjscd", "2"}, {"hhjscs", "4"}, {"qcd", "1"}},
       {24, 4, 0, 24 * 1.2}},
      {"wall and openings",
       X,
       {{"qcd", "2"},
        {"zscg", "3"},
        {"mcmj", "1"},
        {"zsqh", "0.5"},
        {"zrz", "4"},
        {"crz", "6"},
        {"qcs", "1.5"}},
       {12, 0, 0, 12 * 1.2}},
      {"partitions per storey",
       X,
       {{"zrz", "2"}, {"gqsl", "1"}, {"zscg", "1"}, {"lmjscd", "5"}, {"qcd", "4"}, {"qcs", "1"}},
       {((2 * 0.12) * 5) / 4, 0, 0, (((2 * 0.12) * 5) / 4) * 1.2}},
      {"partitions on both sides, halved",
       N,
       {{"gqc1", "1"},
        {"gqds1", "2"},
        {"gqc2", "3"},
        {"gqds2", "1"},
        {"zrz", "1"},
        {"zscg", "1"},
        {"qcd", "1"},
        {"qcs", "1"}},
       {5 * 0.12 / 2, 0, 0, (5 * 0.12 / 2) * 1.2}},
      {"exterior ignores the partition sides",
       X,
       {{"gqc1", "1"}, {"gqds1", "1"}, {"zrz", "1"}, {"zscg", "1"}, {"qcd", "1"}, {"qcs", "1"}},
       {0, 0, 0, 0}},
      {"interior ignores balcony, parapet and gqsl",
       N,
       {{"yttccd", "1"},
        {"ytzcd", "1"},
        {"nrq", "2"},
        {"gqsl", "1"},
        {"zrz", "1"},
        {"zscg", "1"},
        {"lmjscd", "1"},
        {"qcd", "1"},
        {"qcs", "1"},
        {"hhjscs", "1"}},
       {0, 0, 0, 0}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    const Loads got = loadsOf(r.texts, r.wall);
    EXPECT_EQ(got.dhz, r.loads.dhz);
    EXPECT_EQ(got.hhz, r.loads.hhz);
    EXPECT_EQ(got.zjhh, r.loads.zjhh);
    EXPECT_EQ(got.hzsjz, r.loads.hzsjz);
  }
}

TEST(Loads, DesignValuePatternFollowsTheWallType) {
  EXPECT_EQ(formatLoads({1, 1, 1, 25}, WallType::Exterior).texts,
            (std::array<std::string, 4>{"1.0", "1.0", "1.0", "25."}));
  EXPECT_EQ(formatLoads({1, 1, 1, 25}, WallType::Interior).texts[3], "25.0");
}

}  // namespace
}  // namespace quarnel
