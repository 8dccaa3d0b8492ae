// The parts of the calculation document before the summary: the cover, the design basis, the
// basic data and one section per axis, each as HTML.
#pragma once

#include <string>
#include <vector>

#include "document/axis.h"
#include "document/derivation.h"

namespace quarnel {

// The cover: the title, "计算书", the program, the date, the table's name and SHA-256, the number
// of axes, and the lines to sign on.
std::string coverSection(const DocumentInfo& info, std::size_t axes);

// 设计依据: the codes with their years and clauses, the factors, the fixed settings and what the
// formulas take for granted, from the table of the formulas' settings; what the wall check of the
// axes checks and assumes, or that they are not checked.
std::string basisSection(const std::vector<CalculatedAxis>& axes);

// 基本数据: each distinct set of the basic data its axes used once, with those axes; an interior
// wall uses no parapet.
std::string basicDataSection(const std::vector<CalculatedAxis>& axes);

// The section of an axis (number: its place from 1): the inputs its wall type uses with units, the
// derivation and the combinations.
std::string axisSection(const DocumentInfo& info, const CalculatedAxis& axis,
                        const AxisFigures& figures, std::size_t number);

// A cell of an axis's table of inputs: what it is, its symbol, its value (HTML) and unit.
struct InputCell {
  std::string words, symbol, value, unit;
};
// The inputs two to a row under the headings 项目, 符号, 数值, 单位.
std::string inputsTable(const std::vector<InputCell>& cells);

// A derivation line as a paragraph whose terms wrap only before an operator or "="; without
// numbers where the value is a fact (a value of a table), without a unit where it has none.
std::string derivationHtml(const DerivationLine& line);

}  // namespace quarnel
