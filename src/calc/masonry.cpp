#include "calc/masonry.h"

#include <algorithm>

#include "calc/number.h"

namespace quarnel {
namespace {

// One cell of the design compressive strength of fired clay and shale brick masonry, quality
// grade B, 28 days, gross section: brick grade, mortar grade, N/mm2. MU10 has no value with M15.
struct StrengthCell {
  double mu, m, f;
};
// clang-format off
constexpr StrengthCell kStrength[] = {
    {30, 15, 3.94}, {30, 10, 3.27}, {30, 7.5, 2.93}, {30, 5, 2.59}, {30, 2.5, 2.26},
    {25, 15, 3.60}, {25, 10, 2.98}, {25, 7.5, 2.68}, {25, 5, 2.37}, {25, 2.5, 2.06},
    {20, 15, 3.22}, {20, 10, 2.67}, {20, 7.5, 2.39}, {20, 5, 2.12}, {20, 2.5, 1.84},
    {15, 15, 2.79}, {15, 10, 2.31}, {15, 7.5, 2.07}, {15, 5, 1.83}, {15, 2.5, 1.60},
                    {10, 10, 1.89}, {10, 7.5, 1.69}, {10, 5, 1.50}, {10, 2.5, 1.30},
};
// clang-format on

// The grades named in the table, in its order, each once.
std::vector<double> gradesOf(double StrengthCell::*grade) {
  std::vector<double> grades;
  for (const StrengthCell& cell : kStrength)
    if (std::find(grades.begin(), grades.end(), cell.*grade) == grades.end())
      grades.push_back(cell.*grade);
  return grades;
}

// The section at which gamma_a of a small section ends, m2.
constexpr double kSmallSection = 0.3;
// The mortar grade from which it counts as M5 and above.
constexpr double kM5 = 5;
constexpr double kM7_5 = 7.5;
// The least mu2 of a wall with openings.
constexpr double kLeastOpeningFactor = 0.7;

}  // namespace

const std::vector<double>& brickGrades() {
  static const std::vector<double> grades = gradesOf(&StrengthCell::mu);
  return grades;
}

const std::vector<double>& mortarGrades() {
  static const std::vector<double> grades = gradesOf(&StrengthCell::m);
  return grades;
}

std::string brickGradeName(double mu) {
  return "MU" + shortestText(mu);
}

std::string mortarGradeName(double m) {
  return "M" + shortestText(m);
}

std::optional<double> tableStrength(double mu, double m) {
  for (const StrengthCell& cell : kStrength)
    if (cell.mu == mu && cell.m == m) return cell.f;
  return std::nullopt;
}

double brickFactor(BrickKind brick) {
  return brick == BrickKind::Perforated ? 0.9 : 1.0;
}

std::optional<double> sectionArea(double thicknessMm, double unitLength, double openingWidth) {
  const double net = unitLength - openingWidth;
  if (!(net > 0)) return std::nullopt;
  return (thicknessMm / 1000) * net;
}

double smallSectionFactor(double area) {
  return area < kSmallSection ? 0.7 + area : 1.0;
}

double cementMortarFactor(MortarKind kind, double m) {
  return kind == MortarKind::Cement && m < kM5 ? 0.9 : 1.0;
}

EffectiveHeight rigidSchemeHeight(double storeyHeight, double spacing) {
  const double h = storeyHeight, s = spacing;
  if (s > 2 * h) return {1.0 * h, HeightRule::Wide};
  if (s > h) return {(0.4 * s) + (0.2 * h), HeightRule::Middle};
  return {0.6 * s, HeightRule::Narrow};
}

double slenderness(double h0, double thicknessMm) {
  constexpr double kFiredBrick = 1.0;  // gamma_beta
  return kFiredBrick * (h0 * 1000) / thicknessMm;
}

double mortarAlpha(double m) {
  return m >= kM5 ? 0.0015 : 0.002;
}

double axialFactor(double beta, double alpha) {
  return beta <= 3 ? 1.0 : 1 / (1 + alpha * (beta * beta));
}

double capacity(double phi, double gammaA, double f, double area) {
  return ((phi * gammaA) * f) * (area * 1e6) / 1000;
}

double allowedSlenderness(double m) {
  return m >= kM7_5 ? 26 : m >= kM5 ? 24 : 22;
}

double openingFactor(double openingWidth, double unitLength) {
  return std::max(1 - (0.4 * openingWidth) / unitLength, kLeastOpeningFactor);
}

WallCheckResult checkWall(const WallCheckInputs& in, double designLoad) {
  const std::optional<double> tableF = tableStrength(in.mu, in.m);
  if (!tableF)
    return {std::nullopt,
            brickGradeName(in.mu) + " 与 " + mortarGradeName(in.m) +
                " 在砌体抗压强度设计值表中没有数值",
            "sjdj"};
  const std::optional<double> area = sectionArea(in.thickness, in.unitLength, in.openingWidth);
  if (!area) return {std::nullopt, "计算单元长度减去洞口宽度应大于 0", "dkkd"};
  WallCheck c;
  c.designLoad = designLoad;
  c.n = designLoad * in.unitLength;
  c.area = *area;
  c.tableF = *tableF;
  c.brickFactor = brickFactor(in.brick);
  c.f = c.tableF * c.brickFactor;
  c.gammaArea = smallSectionFactor(c.area);
  c.gammaMortar = cementMortarFactor(in.mortar, in.m);
  c.gammaA = c.gammaArea * c.gammaMortar;
  c.height = in.h0 ? EffectiveHeight{*in.h0, HeightRule::Given}
                   : rigidSchemeHeight(in.storeyHeight, in.spacing);
  if (!(c.height.h0 > 0) || !(in.thickness > 0))
    return {std::nullopt, "计算高度和墙厚应大于 0", "qh"};
  c.beta = slenderness(c.height.h0, in.thickness);
  c.alpha = mortarAlpha(in.m);
  c.phi = axialFactor(c.beta, c.alpha);
  c.nu = capacity(c.phi, c.gammaA, c.f, c.area);
  c.bearingHolds = c.n <= c.nu;
  c.allowed = allowedSlenderness(in.m);
  c.mu1 = 1.0;  // a load-bearing wall
  c.mu2 = openingFactor(in.openingWidth, in.unitLength);
  c.limit = (c.mu1 * c.mu2) * c.allowed;
  c.slendernessHolds = c.beta <= c.limit;
  return {c, "", ""};
}

}  // namespace quarnel
