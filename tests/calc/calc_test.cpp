// The conversions of field texts, the number patterns and the load formulas, without a window.
#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <random>

#include "../common/test_support.h"
#include "calc/calculation.h"
#include "calc/number.h"
#include "calc/pattern.h"

namespace quarnel::test {
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
      {244.21909, A, "244.219"},  {28.269681, A, "28.27"}, {4.99949999999999, A, "4.999"},
      {41.730000019, A, "41.73"}, {25, A, "25.0"},         {4.99949999999999, U, "4.999"},
      {0.0004, A, "0.0"},         {2.0005, A, "2.001"},    {4.999499999999999, A, "5.0"},
      {-2.0005, A, "-2.001"},     {0.9996, A, "1.0"},      {4.999499999999999, U, "5."},
      {332.640461, U, "332.64"},  {25, U, "25."},          {1.0004999999999999, A, "1.001"},
      {0.0004, U, "0."},          {-2.0005, U, "-2.001"},  {1e15, A, "1000000000000000.0"},
      {999.9995, U, "1000."}};
  for (const auto& [value, pattern, text] : rows) EXPECT_EQ(formatNumber(value, pattern), text);
  EXPECT_EQ(formatLoads({1, 1, 1, 25}, WallType::Exterior).texts[3], "25.");
  EXPECT_EQ(formatLoads({1, 1, 1, 25}, WallType::Interior).texts[3], "25.0");
}

// The standard library's "%.14e" digits as sign, digits and exponent.
std::tuple<bool, std::string, int> libraryDigits(double value) {
  char text[40];
  std::string s(
      text, std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 14).ptr);
  const bool negative = s[0] == '-';
  if (negative) s.erase(0, 1);
  return {negative, s.substr(0, 1) + s.substr(2, 14), std::atoi(s.c_str() + 17)};
}

TEST(NumberPattern, FifteenDigitsAreThoseOfTheStandardLibrary) {
  std::vector<double> values = {0.0,
                                -0.0,
                                1,
                                332.640461,
                                0.1,
                                1e23,
                                5e-324,
                                DBL_MAX,
                                -DBL_MIN,
                                1234567890123455.0,   // a half: to the even neighbour, up
                                1234567890123445.0,   // down
                                1234567890123445.25,  // more than a half: up
                                999999999999999.5,    // up, to 1 and 15 zeros
                                -0.0004999999999999999,
                                123456789012345.0,
                                12345.0};
  std::mt19937_64 random(20261207);
  for (int i = 0; i < 40000; ++i) {
    const std::uint64_t bits = random();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    if (std::isfinite(value)) values.push_back(value);
    values.push_back(std::ldexp(double(bits >> 11), int(bits % 40) - 60));  // 53 bits near 1
  }
  for (double value : values) {
    const FifteenDigits got = fifteenDigits(value);
    ASSERT_EQ(std::tie(got.negative, got.digits, got.exponent), libraryDigits(value)) << value;
  }
  EXPECT_THROW(fifteenDigits(INFINITY), std::domain_error);
  EXPECT_THROW(fifteenDigits(NAN), std::domain_error);
}

// Worked out apart, from inputs no float holds: any step regrouped or value (not) rounded shows.
TEST(Loads, EveryTypeAndGroupingShowsInTheLastBit) {
  constexpr WallType X = WallType::Exterior, N = WallType::Interior;
  const std::string all =
      "zrz=11.8 crz=4.49 lmhh=5.4 lmdh=3.6 wmhh=4.3 wmdh=0.6 gqsl=0.2 gqc1=0.28 gqc2=0.06 "
      "gqds1=1.89 gqds2=0.2 nrq=3.2 yttccd=0.2 ytzcd=2.2 zscg=1.82 qcs=1.1 hhjscs=2.5 zjxs=3.53 "
      "zsqh=1.31 qcd=3.2 mcmj=9.49 lmjscd=0.13";
  const std::tuple<WallType, std::string, double, double, double, double> rows[] = {
      {X, "yttccd=-0.46 ytzcd=3.16 qcd=0.28 hhjscs=5.5 lmdh=1.4 lmhh=0.08 lmjscd=7.4 zjxs=0.45",
       0x1.bc32e8a65ab27p+6, -0x1.294718d680258p+6, -0x1.0b8cc916f07e3p+5, 0x1.59c0f0d12ae43p+6},
      {X, "yttccd=0.39 ytzcd=2.06 qcd=1.2 hhjscs=1.5 lmdh=0.06 lmhh=0.71 lmjscd=0.31 zjxs=0.15",
       0x1.80055273afb7ep+3, 0x1.e4d359bdd97f8p+1, 0x1.22e5369a3d706p-1, 0x1.e6473e1eb83cep+3},
      {X, "qcd=0.1 zscg=0.1 mcmj=7.36 zsqh=0.24 zrz=9.9 crz=0.4 qcs=4.23 gqsl=18.9 lmjscd=5.3",
       -0x1.bb34021583f5dp+6, 0, 0, -0x1.09ec01401bf9ep+7},
      {X, "qcd=0.29 zscg=4.53 mcmj=23.2 zsqh=0.7 zrz=0.2 crz=0.07 qcs=2.59 gqsl=1.86 lmjscd=3.09",
       -0x1.d1f89f1fb35bbp+2, 0, 0, -0x1.17952c46386a3p+3},
      {X,
       "lmdh=0.9 lmhh=7.18 wmdh=4.3 wmhh=0.091 lmjscd=0.06 hhjscs=5.5 zjxs=1.6 qcd=3.39 nrq=13.3 "
       "yttccd=0.44 ytzcd=7.9",
       0x1.03807686f354cp+6, 0x1.1f885c4f83d9ap+4, 0x1.cc0d60f23cb45p+4, 0x1.d86ba35d1fa4cp+6},
      {N, "gqc1=6.18 gqds1=0.6 gqc2=1.2 gqds2=2.81 zrz=0.4 zscg=0.08 qcd=0.2 qcs=1.4",
       0x1.85c17580b59d1p-4, 0, 0, 0x1.d3b4f36740561p-4},
      {N, "lmdh=6.71 lmhh=0.7 wmdh=0.2 wmhh=1.09 lmjscd=0.83 hhjscs=5.5 zjxs=2.2 qcd=3.8",
       0x1.0ca786c27b7eap+5, 0x1.19013a7e76c8bp+2, 0x1.351af3fb83276p+3, 0x1.ae92771b0218ep+5},
      {X, all, 0x1.ac56e39ee9589p+1, 0x1.534395c1cac08p+1, 0x1.2b6685ebe8e6p+3,
       0x1.11d4ccb02c6e4p+4},
      {N, all, -0x1.ca1dda27bfe09p+1, 0x1.f6872b4395811p+0, 0x1.bb7b202f56eadp+2,
       0x1.5a00dd5da0286p+2}};
  for (const auto& [wall, list, dhz, hhz, zjhh, hzsjz] : rows) {
    const Texts t = texts(list);
    const auto in = readInputs([&](auto f) { return t.count(f) ? t.find(f)->second : ""; }).inputs;
    const Loads l = computeLoads(in.value(), wall);
    EXPECT_EQ(std::tie(l.dhz, l.hhz, l.zjhh, l.hzsjz), std::tie(dhz, hhz, zjhh, hzsjz)) << list;
  }
}

// The worked examples' working values (those their text gives), and the combinations of the
// current code: the basic 1.3G + 1.5Qr and the standard G + Qr.
TEST(Loads, WorkedExamplesWorkingValuesAndCombinations) {
  constexpr auto A = Pattern::OneToThreeDecimals;
  for (const Example& e : workedExamples()) {
    const auto in =
        readInputs([&](auto f) { return e.texts.count(f) ? e.texts.at(std::string(f)) : ""; });
    const WallType wall = e.interior ? WallType::Interior : WallType::Exterior;
    const WorkingValues w = computeWorkingValues(in.inputs.value(), wall);
    EXPECT_EQ(formatLoads(w.loads, wall).texts, e.results);
    if (e.interior) {
      EXPECT_EQ(formatNumber(w.gqzz, A), "4.698");
      EXPECT_EQ(w.wmhhx, 2.730000019073486328125f);
      EXPECT_EQ(w.loads.hhz, 41.730000019073486);
    } else {
      EXPECT_EQ(formatNumber(w.ytdh, A), "6.117");
      EXPECT_EQ(formatNumber(w.gqzz, A), "3.828");
      EXPECT_NEAR(w.qtzz, 19.2017273, 5e-8);
    }
    EXPECT_EQ(formatNumber(basicCombination(w.loads), A), e.interior ? "312.726" : "359.889");
    EXPECT_EQ(formatNumber(standardCombination(w.loads), A), e.interior ? "236.386" : "272.489");
    EXPECT_EQ(basicCombination(w.loads), basicLiveTerm(w.loads) + basicDeadTerm(w.loads));
  }
}

}  // namespace
}  // namespace quarnel::test
