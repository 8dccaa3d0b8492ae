// The check of a brick wall at the base of its lowest counted storey under axial load: its
// compressive capacity N <= phi gamma_a f A and its height-to-thickness ratio
// beta <= mu1 mu2 [beta]. Each value from one function, in double; the record of one axis keeps
// every intermediate so that a document can show each as formula, numbers and value.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quarnel {

// The strength grades a brick (MU, in MPa) and a mortar (M, in MPa) may have, strongest first.
const std::vector<double>& brickGrades();
const std::vector<double>& mortarGrades();
// The name of a grade as drawings write it: "MU10", "M2.5".
std::string brickGradeName(double mu);
std::string mortarGradeName(double m);

enum class MortarKind { Mixed, Cement };  // 混合砂浆, 水泥砂浆
enum class BrickKind { Solid, Perforated };  // 烧结普通砖, 烧结多孔砖 with a void ratio above 30 %

// The design compressive strength of fired clay or shale brick masonry of quality grade B, N/mm2,
// by the grades of brick and mortar; nothing for a pair the table has no value for (MU10 with
// M15) or a grade that is none of the lists.
std::optional<double> tableStrength(double mu, double m);
// The reduction of a perforated brick with a void ratio above 30 %: 0.9; a solid brick: 1.
double brickFactor(BrickKind brick);

// The section A = h (l - b) in m2 from the thickness h in mm and the lengths l and b in m;
// nothing when the net length l - b is not above zero.
std::optional<double> sectionArea(double thicknessMm, double unitLength, double openingWidth);

// gamma_a of a small section: 0.7 + A for A below 0.3 m2, else 1.
double smallSectionFactor(double area);
// gamma_a of the mortar: 0.9 for cement mortar below M5, else 1.
double cementMortarFactor(MortarKind kind, double m);

// Which row of the table of effective heights of a rigid scheme gives H0.
enum class HeightRule { Given, Wide, Middle, Narrow };  // as typed; s > 2H; 2H >= s > H; s <= H
struct EffectiveHeight {
  double h0;  // m
  HeightRule rule;
};
// H0 of a wall of a rigid scheme from the storey height H and the cross-wall spacing s, in m:
// 1.0 H for s > 2H, 0.4 s + 0.2 H for 2H >= s > H, 0.6 s for s <= H.
EffectiveHeight rigidSchemeHeight(double storeyHeight, double spacing);

// beta = gamma_beta H0 / h with gamma_beta = 1.0 for fired brick; H0 in m, h in mm.
double slenderness(double h0, double thicknessMm);
// alpha of the mortar: 0.0015 for M5 and above, 0.002 below.
double mortarAlpha(double m);
// phi under axial load (e = 0): 1 for beta <= 3, else 1 / (1 + alpha beta^2).
double axialFactor(double beta, double alpha);
// Nu = phi gamma_a f A in kN, with f in N/mm2 and A in m2.
double capacity(double phi, double gammaA, double f, double area);

// [beta] of a wall: 22 below M5, 24 for M5, 26 for M7.5 and above.
double allowedSlenderness(double m);
// mu2 = 1 - 0.4 b / l, not below 0.7, for openings of width b in a length l.
double openingFactor(double openingWidth, double unitLength);

// What the check of one axis needs, in the units of its columns.
struct WallCheckInputs {
  double thickness = 0;                  // h, mm
  double mu = 0, m = 0;                  // the grades
  std::optional<double> h0;              // H0 as given, m
  double storeyHeight = 0, spacing = 0;  // H and s, m, when H0 is not given
  double unitLength = 0;                 // l, m
  double openingWidth = 0;               // b, m
  MortarKind mortar = MortarKind::Mixed;
  BrickKind brick = BrickKind::Solid;
};

// Every value of the check of one axis, in the order a document shows them.
struct WallCheck {
  double designLoad;              // the basic combination per metre of wall, kN/m
  double n;                       // N = design load x l, kN
  double area;                    // A, m2
  double tableF, brickFactor, f;  // f from the table, the brick's factor, their product, N/mm2
  double gammaArea, gammaMortar, gammaA;
  EffectiveHeight height;
  double beta, alpha, phi;
  double nu;                        // kN
  bool bearingHolds;                // N <= Nu
  double allowed, mu1, mu2, limit;  // [beta], mu1, mu2, mu1 mu2 [beta]
  bool slendernessHolds;            // beta <= mu1 mu2 [beta]
};

// The check, or why there is none: the message names the values that do not go together, and
// field is the short name of the input it concerns most (as the check's input table names it).
struct WallCheckResult {
  std::optional<WallCheck> check;
  std::string problem;
  const char* field = "";
};

// Checks one axis carrying the design load (kN/m, the basic combination of its loads).
WallCheckResult checkWall(const WallCheckInputs& in, double designLoad);

}  // namespace quarnel
