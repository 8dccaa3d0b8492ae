// The derivation of one axis as the document writes it: each working value of its calculation as
// "name symbol = formula = the formula with the numbers put in = value unit", in the grouping of
// the formulas; then the three combinations. Every value comes from the axis's calculation.
#pragma once

#include <string>
#include <vector>

#include "document/axis.h"

namespace quarnel {

// A formula or its numbers as terms: the first term, then each later one starting with its
// operator ("× 3.25)"), so that a long formula may wrap before any operator.
using Terms = std::vector<std::string>;

// A formula in its symbols and with its numbers, as terms; compound when it is an operation, which
// stands in parentheses where it is an operand.
struct Expr {
  Terms symbols, numbers;
  bool compound = false;
};
// The operations of two formulas, each operand that is itself an operation in parentheses.
Expr operator+(Expr a, Expr b);
Expr operator-(Expr a, Expr b);
Expr operator*(Expr a, Expr b);
Expr operator/(Expr a, Expr b);
// The factors multiplied one after another, without parentheses among them ("φ × γa × f").
Expr product(const std::vector<Expr>& factors);

// The clauses the combinations follow.
inline constexpr const char* kBasicClause = "GB 55001-2021 第 2.4.6 条第 1 款，式 (2.4.6-1)";
inline constexpr const char* kFactorClause = "GB 55001-2021 第 3.1.13 条";
inline constexpr const char* kWorkingLifeClause = "GB 55001-2021 第 3.1.16 条";
inline constexpr const char* kImportanceClause = "GB 55001-2021 第 3.1.12 条";
inline constexpr const char* kStandardClause = "GB 55001-2021 第 2.4.6 条第 4 款，式 (2.4.6-3)";
inline constexpr const char* kFormerClause = "GB 50009-2012 第 3.2.3 条式 (3.2.3-1)、第 3.2.4 条";

// One line of a derivation, with a note where it needs one. The formula is empty where it would
// only repeat the symbol.
struct DerivationLine {
  std::string name, symbol;
  Terms formula, numbers;
  std::string value, unit;
  std::string note;
};

// What the document shows of one axis beyond the texts of its fields.
struct AxisFigures {
  // The working values its wall type uses, then G, Q and Qr.
  std::vector<DerivationLine> lines;
  // The basic combination 1.3G + 1.5Qr, the standard combination G + Qr, and 1.2G + 1.4Qr as the
  // window and the text report show it.
  std::vector<DerivationLine> combinations;
  // The basic combination, its two terms 1.3G and 1.5Qr, and the standard combination.
  double basic = 0, basicDead = 0, basicLive = 0, standard = 0;
  // What cannot be shown (a value beyond a double), or "".
  std::string problem;
};

// The derivation of the axis.
AxisFigures figuresOf(const CalculatedAxis& axis);

// A value of the document: three decimals at most, at least one ("0.0##").
std::string shownValue(double value);
// A constant of the formulas as written: without trailing zeros ("2", "0.12").
std::string constantText(double value);
// A unit of the field table ("kn/m3") as the document writes it ("kN/m³").
std::string documentUnit(const std::string& unit);

}  // namespace quarnel
