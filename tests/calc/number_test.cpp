#include "calc/number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace quarnel {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfAText) {
  struct Case {
    std::string text;
    double value;
  } cases[] = {
      {"3.60", 3.6},  {"6.6m", 6.6},
      {"1,5", 1},     {".5", 0.5},
      {"-3", -3},     {"", 0},
      {"abc", 0},     {"5层", 5},
      {" 2.0", 2},    {"1 2", 12},
      {"6,6", 6},     {"\t-\n7", -7},
      {"+4", 4},      {"1e3", 1000},
      {"1E+2", 100},  {"25e-1", 2.5},
      {"2e", 2},      {"2e+", 2},
      {"1.2.3", 1.2}, {"1e5.5", 1e5},
      {"--3", 0},     {"-", 0},
      {".", 0},       {"e5", 0},
      {"&H10", 0},    {"&O7", 0},
      {"1D2", 1},     {"0.000", 0},
      {"1 e 2", 100}, {"1e-400", 0},
      {"0.1", 0.1},   {"12345678901234567890", 12345678901234567890.0},
  };
  for (const Case& c : cases) {
    LeadingNumber n = parseLeadingNumber(c.text);
    EXPECT_EQ(n.value, c.value) << "text '" << c.text << "'";
    EXPECT_TRUE(n.inRange) << "text '" << c.text << "'";
  }
}

TEST(LeadingNumber, MinusZeroKeepsItsSign) {
  EXPECT_TRUE(std::signbit(parseLeadingNumber("-0").value));
  EXPECT_EQ(parseLeadingNumber("-0").value, 0.0);
}

TEST(LeadingNumber, NumbersBeyondTheDoubleRangeAreReported) {
  for (const char* text : {"1e309", "-1e400", "2e308", "1e99999999999999999999"}) {
    EXPECT_FALSE(parseLeadingNumber(text).inRange) << text;
  }
  EXPECT_FALSE(parseLeadingNumber(std::string(400, '9')).inRange);
  EXPECT_TRUE(parseLeadingNumber("1.7976931348623157e308").inRange);
  EXPECT_TRUE(parseLeadingNumber("0." + std::string(400, '0') + "1").inRange);
}

TEST(Int16Conversion, RoundsHalvesToEvenWithinTheRange) {
  struct Case {
    double value;
    int expected;
  } cases[] = {{4.5, 4},      {5.5, 6},  {-2.5, -2},       {2.5, 2},           {3.49, 3},
               {5, 5},        {-0.5, 0}, {32767.4, 32767}, {-32768.5, -32768}, {-32767.5, -32768},
               {0.5000001, 1}};
  for (const Case& c : cases) {
    auto v = toInt16(c.value);
    ASSERT_TRUE(v.has_value()) << c.value;
    EXPECT_EQ(*v, c.expected) << c.value;
  }
  for (double out : {32767.5, 32768.0, -32768.6, -32769.0, 1e10, -1e300}) {
    EXPECT_FALSE(toInt16(out).has_value()) << out;
  }
}

TEST(FloatNarrowing, RoundsToTheNearestFloat) {
  struct Case {
    double value;
    double expected;
  } cases[] = {
      {0.90, 0.89999997615814208984375}, {0.65, 0.64999997615814208984375},
      {0.85, 0.85000002384185791015625}, {1.00, 1.0},
      {6.858, 6.8579998016357421875},    {0.0, 0.0},
      {-6.858, -6.8579998016357421875},  {3.4028235e38, 3.4028234663852886e38},
  };
  for (const Case& c : cases) {
    auto f = toFloat(c.value);
    ASSERT_TRUE(f.has_value()) << c.value;
    EXPECT_EQ(static_cast<double>(*f), c.expected) << c.value;
  }
  for (double out : {1e39, -1e39, 3.4028236e38, 1e300}) {
    EXPECT_FALSE(toFloat(out).has_value()) << out;
  }
}

}  // namespace
}  // namespace quarnel
