#include "calc/pattern.h"

#include <gtest/gtest.h>

namespace quarnel {
namespace {

constexpr Pattern kMin1 = Pattern::OneToThreeDecimals;  // "0.0##"
constexpr Pattern kMin0 = Pattern::UpToThreeDecimals;   // "0.###"

TEST(NumberPattern, WritesThreeDecimalsRoundedHalfAwayFromZero) {
  struct Case {
    double value;
    Pattern pattern;
    const char* text;
  } cases[] = {
      {244.21909, kMin1, "244.219"},
      {28.269681, kMin1, "28.27"},
      {41.730000019, kMin1, "41.73"},
      {25, kMin1, "25.0"},
      {0.0004, kMin1, "0.0"},
      {2.0005, kMin1, "2.001"},
      {-2.0005, kMin1, "-2.001"},
      {332.640461, kMin0, "332.64"},
      {25, kMin0, "25."},
      {0.0004, kMin0, "0."},
      {2.0005, kMin0, "2.001"},
      {-2.0005, kMin0, "-2.001"},
      {0.5, kMin0, "0.5"},
      {0.9996, kMin1, "1.0"},
      {999.9995, kMin0, "1000."},
      {-7.25, kMin1, "-7.25"},
      {1234567.891, kMin1, "1234567.891"},
      {1e20, kMin1, "100000000000000000000.0"},
      {1.0000000000000002, kMin1, "1.0"},
      {0.00049999, kMin1, "0.0"},
      {0.0005, kMin1, "0.001"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(formatNumber(c.value, c.pattern), c.text) << c.value;
  }
}

TEST(NumberPattern, NegativeValueRoundingToZeroShowsNoMinusSign) {
  EXPECT_EQ(formatNumber(-0.0004, kMin1), "0.0");
  EXPECT_EQ(formatNumber(-0.0004, kMin0), "0.");
  EXPECT_EQ(formatNumber(-0.0, kMin1), "0.0");
  EXPECT_EQ(formatNumber(-0.0005, kMin1), "-0.001");
}

}  // namespace
}  // namespace quarnel
