#include "calc/loads.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "calc/calculation.h"

namespace quarnel {
namespace {

using Texts = std::map<std::string, std::string, std::less<>>;

// The field texts of the two worked examples.
Texts exteriorExample() {
  return {{"zrz", "22"},   {"crz", "0.45"},  {"lmhh", "2.0"},  {"lmdh", "3.60"},  {"wmhh", "0.7"},
          {"wmdh", "7.0"}, {"gqsl", "1"},    {"nrq", "6.858"}, {"yttccd", "1.2"}, {"ytzcd", "3.6"},
          {"zscg", "2.9"}, {"qcs", "6"},     {"hhjscs", "5"},  {"zjxs", "0.65"},  {"zsqh", "0.37"},
          {"qcd", "6.6"},  {"mcmj", "3.78"}, {"lmjscd", "3.3"}};
}

Texts interiorExample() {
  return {{"zrz", "22"},   {"crz", "0.45"},  {"lmhh", "2.0"},  {"lmdh", "3.60"}, {"wmhh", "0.7"},
          {"wmdh", "7.0"}, {"gqc1", "3.3"},  {"gqds1", "1"},   {"gqc2", "2.4"},  {"gqds2", "2"},
          {"zscg", "2.9"}, {"qcs", "6"},     {"hhjscs", "5"},  {"zjxs", "0.65"}, {"zsqh", "0.24"},
          {"qcd", "6.6"},  {"mcmj", "1.89"}, {"lmjscd", "3.9"}};
}

ResultTexts calculate(const Texts& texts, WallType wall) {
  ReadResult read = readInputs([&](std::string_view name) {
    auto it = texts.find(name);
    return it == texts.end() ? std::string() : it->second;
  });
  EXPECT_TRUE(read.inputs.has_value()) << read.failure;
  return formatLoads(computeLoads(*read.inputs, wall), wall);
}

using Results = std::array<std::string, 4>;

TEST(Loads, WorkedExamples) {
  EXPECT_EQ(calculate(exteriorExample(), WallType::Exterior).texts,
            (Results{"244.219", "43.492", "28.27", "332.64"}));
  EXPECT_EQ(calculate(interiorExample(), WallType::Interior).texts,
            (Results{"209.261", "41.73", "27.124", "289.088"}));
}

TEST(Loads, BalconyWindowConstantIsOneUnitBelow0765) {
  std::uint64_t bits;
  std::memcpy(&bits, &kBalconyWindowLoad, sizeof bits);
  EXPECT_EQ(bits, 0x3FE87AE147AE147Aull);
}

TEST(Loads, EachWallTypeIgnoresTheOtherTypesInputs) {
  Texts ext = exteriorExample(), in = interiorExample();
  const Results extResults = calculate(ext, WallType::Exterior).texts;
  const Results inResults = calculate(in, WallType::Interior).texts;
  for (const char* f : {"gqc1", "gqc2", "gqds1", "gqds2"}) ext[f] = "9";
  for (const char* f : {"gqsl", "nrq", "yttccd", "ytzcd"}) in[f] = "9";
  EXPECT_EQ(calculate(ext, WallType::Exterior).texts, extResults);
  EXPECT_EQ(calculate(in, WallType::Interior).texts, inResults);
}

TEST(Loads, EmptyBalconyLengthRemovesTheBalconyTerms) {
  Texts a = exteriorExample();
  a["ytzcd"] = "";
  Texts b = a;
  b["yttccd"] = "5";  // without a balcony length its width does not count
  EXPECT_EQ(calculate(a, WallType::Exterior).texts, calculate(b, WallType::Exterior).texts);
  EXPECT_NE(calculate(a, WallType::Exterior).texts,
            calculate(exteriorExample(), WallType::Exterior).texts);
}

TEST(Loads, DesignValuePatternDependsOnTheWallType) {
  Loads whole{1, 1, 1, 25};
  EXPECT_EQ(formatLoads(whole, WallType::Exterior).texts[3], "25.");
  EXPECT_EQ(formatLoads(whole, WallType::Interior).texts[3], "25.0");
  EXPECT_EQ(formatLoads(whole, WallType::Exterior).texts[0], "1.0");
}

TEST(Loads, InputsBeyondTheirTypesRangeNameTheField) {
  struct Case {
    const char* field;
    const char* text;
    const char* caption;
  } cases[] = {{"hhjscs", "32767.5", "楼面计算层数"}, {"hhjscs", "-40000", "楼面计算层数"},
               {"zrz", "1e309", "砖墙容重"},          {"wmdh", "1e39", "屋面恒荷"},
               {"zjxs", "-4e38", "活荷折减系数"},     {"qcd", "1e400", "墙长度"}};
  for (const Case& c : cases) {
    Texts t = exteriorExample();
    t[c.field] = c.text;
    ReadResult read = readInputs([&](std::string_view name) { return t[std::string(name)]; });
    EXPECT_FALSE(read.inputs.has_value()) << c.field;
    EXPECT_NE(read.failure.find(c.caption), std::string::npos) << read.failure;
  }
}

TEST(Loads, ResultsBeyondTheDoubleRangeAreNotFormatted) {
  Texts t = exteriorExample();
  t["zrz"] = "1e308";
  t["qcs"] = "1e308";
  ResultTexts r = calculate(t, WallType::Exterior);
  EXPECT_NE(r.failure.find("恒荷载"), std::string::npos) << r.failure;
}

}  // namespace
}  // namespace quarnel
