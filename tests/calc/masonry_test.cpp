// The wall check against textbook answers and the tables of the masonry code, and its inputs.
#include "calc/masonry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "calc/check_fields.h"

namespace quarnel::test {
namespace {

// A wall h mm thick, l m long with b m of openings, H0 m high, of the grades and kinds given.
WallCheck checked(double h, double l, double b, double h0, double mu, double m,
                  MortarKind mortar = MortarKind::Mixed, BrickKind brick = BrickKind::Solid,
                  double load = 100) {
  WallCheckInputs in;
  in.thickness = h, in.unitLength = l, in.openingWidth = b, in.h0 = h0, in.mu = mu, in.m = m;
  in.mortar = mortar, in.brick = brick;
  return checkWall(in, load).check.value();
}

double rounded(double value, int decimals) {
  return std::round(value * std::pow(10, decimals)) / std::pow(10, decimals);
}

TEST(WallCheck, TextbookColumnAndWalls) {
  const WallCheck column = checked(370, 0.49, 0, 3.7, 10, 5);
  EXPECT_DOUBLE_EQ(column.area, 0.1813);
  EXPECT_DOUBLE_EQ(column.gammaA, 0.8813);
  EXPECT_DOUBLE_EQ(column.beta, 10);
  EXPECT_EQ(rounded(column.phi, 4), 0.8696);
  EXPECT_EQ(rounded(column.nu, 1), 208.4);
  EXPECT_EQ(checked(370, 0.49, 0, 3.7, 10, 5, {}, {}, 208.3 / 0.49).bearingHolds, true);
  EXPECT_EQ(checked(370, 0.49, 0, 3.7, 10, 5, {}, {}, 208.5 / 0.49).bearingHolds, false);
  // h, l, b, H0, M -> mu2 (3 decimals), beta (2 decimals), mu1 mu2 [beta] (2 decimals), verdict
  const std::tuple<double, double, double, double, double, double, double, double, bool> walls[] = {
      {240, 4, 1.2, 5.4, 5, 0.88, 22.5, 21.12, false},
      {240, 3.3, 1.5, 5.5, 2.5, 0.818, 22.92, 18.0, false}};
  EXPECT_TRUE(checked(250, 2, 0, 6, 10, 5).slendernessHolds);  // beta = [beta] = 24 holds
  for (const auto& [h, l, b, h0, m, mu2, beta, limit, holds] : walls) {
    const WallCheck c = checked(h, l, b, h0, 10, m);
    EXPECT_EQ(rounded(c.mu2, 3), mu2);
    EXPECT_EQ(rounded(c.beta, 2), beta);
    EXPECT_EQ(rounded(c.limit, 2), limit);
    EXPECT_EQ(c.slendernessHolds, holds);
  }
}

TEST(WallCheck, PhiAgainstThePrintedTableAndItsRules) {
  const std::pair<double, double> printed[] = {{10, 0.87}, {12, 0.82}, {14, 0.77},
                                               {16, 0.72}, {20, 0.62}, {3, 1}};
  // The table prints two decimals (0.625 at beta 20 as 0.62).
  for (const auto& [beta, phi] : printed)
    EXPECT_NEAR(axialFactor(beta, 0.0015), phi, 0.005 + 1e-12) << beta;
  const std::tuple<double, double, double> byMortar[] = {
      {2.5, 0.002, 22}, {5, 0.0015, 24}, {7.5, 0.0015, 26}, {10, 0.0015, 26}, {15, 0.0015, 26}};
  for (const auto& [m, alpha, allowed] : byMortar) {
    EXPECT_EQ(mortarAlpha(m), alpha) << m;
    EXPECT_EQ(allowedSlenderness(m), allowed) << m;
  }
}

TEST(WallCheck, EveryCellOfTheStrengthTable) {
  const double mortars[] = {15, 10, 7.5, 5, 2.5};
  const std::map<double, std::vector<double>> table = {{30, {3.94, 3.27, 2.93, 2.59, 2.26}},
                                                       {25, {3.60, 2.98, 2.68, 2.37, 2.06}},
                                                       {20, {3.22, 2.67, 2.39, 2.12, 1.84}},
                                                       {15, {2.79, 2.31, 2.07, 1.83, 1.60}},
                                                       {10, {-1, 1.89, 1.69, 1.50, 1.30}}};
  for (const auto& [mu, row] : table)
    for (int k = 0; k < 5; ++k)
      EXPECT_EQ(tableStrength(mu, mortars[k]).value_or(-1), row[k]) << mu << " " << mortars[k];
  EXPECT_FALSE(tableStrength(35, 5) || tableStrength(10, 0));
  EXPECT_DOUBLE_EQ(checked(240, 2, 0, 3, 10, 5, {}, BrickKind::Perforated).f, 0.9 * 1.50);
}

TEST(WallCheck, GammaAOfSmallSectionsAndCementMortar) {
  constexpr MortarKind X = MortarKind::Mixed, C = MortarKind::Cement;
  // l (240 wall), M, kind -> γa
  const std::tuple<double, double, MortarKind, double> rows[] = {
      {1, 5, X, 0.94},    {1.25, 5, X, 1},  {2, 2.5, C, 0.9},  {2, 5, C, 1},
      {1, 2.5, C, 0.846}, {2, 2.5, X, 1.0}, {0.5, 10, C, 0.82}};
  for (const auto& [l, m, kind, gamma] : rows)
    EXPECT_DOUBLE_EQ(checked(240, l, 0, 3, 15, m, kind).gammaA, gamma) << l << " " << m;
}

TEST(WallCheck, EffectiveHeightOfARigidSchemeAndOpenings) {
  constexpr HeightRule W = HeightRule::Wide, M = HeightRule::Middle, N = HeightRule::Narrow;
  // H, s -> H0
  const std::tuple<double, double, double, HeightRule> rows[] = {
      {3, 7, 3, W}, {3, 6, 3, M}, {3, 4.5, 2.4, M}, {3, 3, 1.8, N}, {3, 2, 1.2, N}};
  for (const auto& [h, s, h0, rule] : rows) {
    EXPECT_DOUBLE_EQ(rigidSchemeHeight(h, s).h0, h0) << s;
    EXPECT_EQ(rigidSchemeHeight(h, s).rule, rule) << s;
  }
  EXPECT_EQ(openingFactor(3, 3.6), 0.7);
  EXPECT_EQ(openingFactor(0, 3.6), 1);
  WallCheckInputs in{240, 10, 15, 3.0, 0, 0, 2, 0};
  EXPECT_NE(checkWall(in, 100).problem.find("MU10 与 M15"), std::string::npos);
  in.m = 5, in.openingWidth = 2;
  EXPECT_FALSE(checkWall(in, 100).check);
  in.openingWidth = 1.9;
  EXPECT_TRUE(checkWall(in, 100).check);
}

TEST(CheckInputs, WordsPresenceAndDefaults) {
  EXPECT_EQ(choiceOf(checkField("ktdj"), "mu10")->value, 10);
  EXPECT_EQ(choiceOf(checkField("sjdj"), "M7.5")->value, 7.5);
  EXPECT_FALSE(choiceOf(checkField("sjdj"), "M5.0") || choiceOf(checkField("ktdj"), "MU 10") ||
               choiceOf(checkField("sjdj"), "MU10"));
  // given -> whether checked, what misses
  const std::pair<std::string, std::string> rows[] = {{"", "no"},
                                                      {"dkkd jsdy sjzl", "no"},
                                                      {"qh ktdj sjdj jsgd cg", "yes:"},
                                                      {"qh ktdj sjdj cg hqjj", "yes:"},
                                                      {"qh", "yes: ktdj sjdj jsgd"},
                                                      {"qh ktdj sjdj cg", "yes: hqjj"},
                                                      {"hqjj", "yes: qh ktdj sjdj cg"}};
  for (const auto& [given, missing] : rows) {
    const CheckPresence p = checkPresence([&words = given](const CheckField& f) {
      return (" " + words + " ").find(" " + std::string(f.name) + " ") != std::string::npos;
    });
    std::string names = p.checked ? "yes:" : "no";
    for (const CheckField* f : p.missing) names += " " + std::string(f->name);
    EXPECT_EQ(names, missing) << given;
  }
  std::map<std::string, std::string> t = {{"qh", "240"}, {"ktdj", "mu15"}, {"sjdj", "m2.5"},
                                          {"cg", "3"},   {"hqjj", "7"},    {"qcd", "6.6"}};
  auto text = [&](std::string_view name) { return t[std::string(name)]; };
  WallCheckInputs in = checkInputs(text);
  EXPECT_EQ(std::tie(in.thickness, in.mu, in.m, in.storeyHeight, in.spacing, in.unitLength),
            std::make_tuple(240.0, 15.0, 2.5, 3.0, 7.0, 6.6));
  EXPECT_EQ(std::tie(in.openingWidth, in.mortar, in.brick),
            std::make_tuple(0.0, MortarKind::Mixed, BrickKind::Solid));
  EXPECT_FALSE(in.h0);
  t["jsgd"] = "2.9", t["jsdy"] = "3.3", t["sjzl"] = "水泥砂浆", t["zlx"] = "烧结多孔砖";
  in = checkInputs(text);
  EXPECT_EQ(std::tie(*in.h0, in.unitLength, in.mortar, in.brick),
            std::make_tuple(2.9, 3.3, MortarKind::Cement, BrickKind::Perforated));
}

}  // namespace
}  // namespace quarnel::test
