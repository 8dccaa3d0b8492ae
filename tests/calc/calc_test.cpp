// The conversions of field texts, the number patterns and the load formulas, without a window.
#include <gtest/gtest.h>

#include <array>

#include "../common/test_support.h"
#include "calc/calculation.h"
#include "calc/number.h"
#include "calc/pattern.h"

namespace quarnel {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfAText) {
  const std::pair<const char*, double> rows[] = {
      {"3.60", 3.6}, {"6.6m", 6.6},  {"1,5", 1},    {".5", 0.5},    {"-3", -3},     {"", 0},
      {"abc", 0},    {"5层", 5},     {" 2.0", 2},   {"1 2", 12},    {"\t-\n7", -7}, {"+4", 4},
      {"1E+2", 100}, {"25e-1", 2.5}, {"2e+", 2},    {"1.2.3", 1.2}, {"--3", 0},     {"e5", 0},
      {"&H10", 0},   {"1 e 2", 100}, {"1e-400", 0}, {"0.1", 0.1}};
  for (const auto& [text, value] : rows) {
    EXPECT_EQ(parseLeadingNumber(text).value, value) << text;
    EXPECT_TRUE(parseLeadingNumber(text).inRange) << text;
  }
}

TEST(Int16Conversion, RoundsHalvesToEvenWithinTheRange) {
  const std::pair<double, std::optional<std::int16_t>> rows[] = {
      {4.5, 4},  {5.5, 6},           {-2.5, -2},    {3.49, 3},     {0.5000001, 1}, {32767.4, 32767},
      {-0.5, 0}, {-32768.5, -32768}, {32767.5, {}}, {32768.0, {}}, {-32768.6, {}}, {1e10, {}}};
  for (const auto& [value, whole] : rows) EXPECT_EQ(toInt16(value), whole) << value;
}

TEST(NumberPattern, FifteenDigitsThenThreeDecimalsHalvesAwayFromZero) {
  constexpr Pattern A = Pattern::OneToThreeDecimals, U = Pattern::UpToThreeDecimals;
  const std::tuple<double, Pattern, const char*> rows[] = {
      {244.21909, A, "244.219"}, {28.269681, A, "28.27"}, {41.730000019, A, "41.73"},
      {25, A, "25.0"},           {0.0004, A, "0.0"},      {2.0005, A, "2.001"},
      {-2.0005, A, "-2.001"},    {0.9996, A, "1.0"},      {1.0004999999999999, A, "1.001"},
      {332.640461, U, "332.64"}, {25, U, "25."},          {0.0004, U, "0."},
      {-2.0005, U, "-2.001"},    {999.9995, U, "1000."},  {1e20, A, "100000000000000000000.0"}};
  for (const auto& [value, pattern, text] : rows) EXPECT_EQ(formatNumber(value, pattern), text);
  EXPECT_EQ(formatLoads({1, 1, 1, 25}, WallType::Exterior).texts[3], "25.");
  EXPECT_EQ(formatLoads({1, 1, 1, 25}, WallType::Interior).texts[3], "25.0");
}

// The terms and types that the worked examples leave unseen, with inputs that make the arithmetic
// plain, and the inputs that the other wall type ignores.
TEST(Loads, EachTermEntersAsWritten) {
  constexpr WallType X = WallType::Exterior, N = WallType::Interior;
  const double f01 = 0.100000001490116119384765625, f03 = 0.300000011920928955078125;
  const double y = ((-0.4 * 3.25) + 1.452) + 0.7649999999999999;
  const double wall = (((((3 * 2.9) - 1) * 0.1) * 2.1) + (0.1 * 1)) / 3 * 5.5;
  const double d = (((0.1 * 0.1) * 6) + (0.1 * f01)) + f03;
  const double out = ((((0.3 * 2) * 0.7) * 0.12) * 0.9) / 3;
  const double in = ((((((0.3 * 2) + (0.7 * 3)) * 0.9) * 0.3) * 0.12) / 2) / 4;
  const std::tuple<const char*, WallType, std::array<double, 4>> rows[] = {
      {"yttccd=-0.4 ytzcd=0.3 qcd=3 hhjscs=1", X, {y * f03 / 3, -f03 / 3, 0, y * f03 / 3 * 1.2}},
      {"wmhh=0.1 lmjscd=1 qcd=1 zjxs=1", N, {0, f01, f01, f01 * 1.4}},
      {"wmhh=0.1 lmjscd=1 qcd=1 zjxs=1", X, {0, f01, f01, f01 * 1.4}},
      {"hhjscs=5.5 lmhh=1 lmdh=0.1 wmdh=0.1 nrq=0.3 lmjscd=0.1 qcd=1", X, {d, 0.1 * 6, 0, d * 1.2}},
      {"qcd=3 zscg=2.9 mcmj=1 zsqh=0.1 zrz=2.1 crz=0.1 qcs=5.5", X, {wall, 0, 0, wall * 1.2}},
      {"zrz=0.3 gqsl=2 zscg=0.7 lmjscd=0.9 qcd=3 qcs=1", X, {out, 0, 0, out * 1.2}},
      {"gqc1=0.3 gqds1=2 gqc2=0.7 gqds2=3 zrz=0.9 zscg=0.3 qcd=4 qcs=1", N, {in, 0, 0, in * 1.2}},
      {"gqc1=1 gqds1=1 zrz=1 zscg=1 lmjscd=1 qcd=1 qcs=1", X, {0, 0, 0, 0}},
      {"yttccd=1 ytzcd=1 nrq=2 gqsl=1 zrz=1 zscg=1 qcd=1 qcs=1", N, {0, 0, 0, 0}}};
  for (const auto& [list, wall, want] : rows) {
    const ReadResult read = readInputs([&](std::string_view name) {
      for (const auto& [field, text] : test::texts(list))
        if (field == name) return text;
      return std::string();
    });
    const Loads got = computeLoads(read.inputs.value(), wall);
    EXPECT_EQ((std::array<double, 4>{got.dhz, got.hhz, got.zjhh, got.hzsjz}), want) << list;
  }
}

}  // namespace
}  // namespace quarnel
