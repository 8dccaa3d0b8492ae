#include "document/check.h"

#include <algorithm>
#include <cmath>

#include "calc/check_fields.h"
#include "calc/fields.h"
#include "calc/number.h"
#include "document/html.h"
#include "document/sections.h"

namespace quarnel {
namespace {

// The codes of the check and the clauses it cites.
constexpr const char* kMasonryCode = "《砌体结构设计规范》GB 50003-2011";
constexpr const char* kGeneralCode = "《砌体结构通用规范》GB 55007-2021";
constexpr const char* kGammaAClause = "GB 55007-2021 第 3.4.1 条";
constexpr const char* kLeastMortarClause = "GB 55007-2021 第 3.3.1 条";
constexpr const char* kPhiClause = "GB 50003-2011 附录 D 第 D.0.1 条";
constexpr const char* kSlendernessClause = "GB 50003-2011 第 6.1.1 条，式 (6.1.1)";

std::string shown(double value) {
  return shownValue(value);
}

Expr known(const char* symbol, const std::string& number) {
  return {{symbol}, {number}};
}
Expr constant(double value) {
  return {{constantText(value)}, {constantText(value)}};
}

// The lines of one block, in order.
class Lines {
 public:
  explicit Lines(std::string& problem) : problem_(problem) {}
  // A value derived by a formula; as it then stands in later formulas.
  Expr line(const char* name, const char* symbol, const Expr& formula, double value,
            const char* unit, std::string note = "") {
    if (!std::isfinite(value) && problem_.empty())
      problem_ = std::string("墙体验算的 ") + symbol + " 超出范围，无法写入 HTML 计算书";
    lines.push_back({name, symbol, formula.symbols, formula.numbers, shown(value), unit, note});
    return known(symbol, shown(value));
  }
  // A value taken from a table or a rule.
  Expr fact(const char* name, const char* symbol, const std::string& value, const char* unit,
            std::string note) {
    lines.push_back({name, symbol, {}, {}, value, unit, std::move(note)});
    return known(symbol, value);
  }
  std::vector<DerivationLine> lines;

 private:
  std::string& problem_;
};

// The text of a check input as the table gave it, or nothing when it took its default.
std::string given(const AxisCheck& c, const char* name) {
  const std::vector<CheckField>& all = checkFields();
  const auto at = std::find_if(all.begin(), all.end(),
                               [name](const CheckField& f) { return f.name == std::string(name); });
  return c.texts[std::size_t(at - all.begin())];
}

// The unit length as the formulas take it: as given, else the wall length.
std::string unitLengthText(const CalculatedAxis& a) {
  const std::string l = given(*a.check, "jsdy");
  if (!l.empty()) return l;
  const std::vector<const Field*>& inputs = fieldsOf(FieldKind::Input);
  const auto qcd = std::find_if(inputs.begin(), inputs.end(),
                                [](const Field* f) { return f->name == std::string("qcd"); });
  return a.inputs[std::size_t(qcd - inputs.begin())];
}

std::string openingText(const AxisCheck& c) {
  const std::string b = given(c, "dkkd");
  return b.empty() ? "0" : b;
}

std::string choiceText(const CheckField& f, double value) {
  for (const Choice& c : f.choices)
    if (c.value == value) return c.word;
  return "";
}

std::string verdict(bool holds) {
  return holds ? kHolds : kFails;
}

// The check's inputs as the axis used them: the grades and kinds by their names, an empty cell
// with the default it took.
std::string inputsOf(const CalculatedAxis& a) {
  const AxisCheck& c = *a.check;
  const bool byStorey = !c.inputs.h0;
  std::vector<InputCell> cells;
  for (std::size_t k = 0; k < checkFields().size(); ++k) {
    const CheckField& f = checkFields()[k];
    const std::string name = f.name;
    if ((name == "jsgd" && byStorey) || ((name == "cg" || name == "hqjj") && !byStorey)) continue;
    std::string value = htmlText(c.texts[k]);
    if (name == "ktdj") value = brickGradeName(c.inputs.mu);
    if (name == "sjdj") value = mortarGradeName(c.inputs.m);
    if (name == "sjzl") value = choiceText(f, double(c.inputs.mortar));
    if (name == "zlx") value = choiceText(f, double(c.inputs.brick));
    if (c.texts[k].empty())
      value = name == "jsdy" ? htmlText(unitLengthText(a)) + "（空，取墙长度）"
                             : htmlText(f.defaultText ? f.defaultText : "") + "（空）";
    cells.push_back({f.words, f.symbol, value, documentUnit(f.unit)});
  }
  return inputsTable(cells);
}

// The note of the effective height: as given, or the rule of a rigid scheme that applied.
std::string heightNote(const WallCheck& w, const WallCheckInputs& in) {
  if (w.height.rule == HeightRule::Given) return "表格给出";
  const char* rule = w.height.rule == HeightRule::Wide     ? "s > 2H，H0 = 1.0H"
                     : w.height.rule == HeightRule::Middle ? "2H ≥ s > H，H0 = 0.4s + 0.2H"
                                                           : "s ≤ H，H0 = 0.6s";
  return "按刚性方案房屋（假定）：H = " + constantText(in.storeyHeight) +
         " m，s = " + constantText(in.spacing) + " m，" + rule + "。";
}

// gamma_a as a formula of the cases that apply, and what the note says of them.
Expr gammaALine(Lines& l, const WallCheck& w, const WallCheckInputs& in, const Expr& area) {
  const bool small = w.gammaArea != 1, cement = w.gammaMortar != 1;
  std::string note =
      (small ? "A < 0.3 m²，γa 为 0.7 + A" : "A ≥ 0.3 m²") +
      std::string(cement ? "；" + mortarGradeName(in.m) + " 水泥砂浆，乘以 0.9" : "") + "（" +
      kGammaAClause + "）";
  if (!small && !cement) return l.fact("强度设计值调整系数", "γa", "1.0", "", note);
  if (!small) return l.fact("强度设计值调整系数", "γa", constantText(w.gammaA), "", note);
  const Expr sum = constant(0.7) + area;
  return l.line("强度设计值调整系数", "γa", cement ? sum * constant(0.9) : sum, w.gammaA, "", note);
}

}  // namespace

bool checkFails(const CalculatedAxis& axis) {
  return axis.check && !(axis.check->values.bearingHolds && axis.check->values.slendernessHolds);
}

bool anyChecked(const std::vector<CalculatedAxis>& axes) {
  return std::any_of(axes.begin(), axes.end(), [](const CalculatedAxis& a) { return a.check; });
}

const std::vector<std::string>& checkHeadings() {
  static const std::vector<std::string> headings = {"N(kN)", "Nu(kN)", "Nu/N",
                                                    "β",     "μ2[β]",  "结论"};
  return headings;
}

std::vector<std::string> checkCells(const CalculatedAxis& axis) {
  if (!axis.check) return {"", "", "", "", "", kNotChecked};
  const WallCheck& w = axis.check->values;
  return {shown(w.n),    shown(w.nu),    w.n > 0 ? shown(w.nu / w.n) : "—",
          shown(w.beta), shown(w.limit), checkFails(axis) ? kFails : kHolds};
}

CheckFigures checkFiguresOf(const CalculatedAxis& a) {
  CheckFigures figures;
  const AxisCheck& c = *a.check;
  const WallCheck& w = c.values;
  const WallCheckInputs& in = c.inputs;
  const Expr h = known("h", given(c, "qh")), l = known("l", unitLengthText(a)),
             b = known("b", openingText(c));
  Lines bearing(figures.problem);
  bearing.line("轴向力设计值", "N", known("(1.3G + 1.5Qr)", shown(w.designLoad)) * l, w.n, "kN",
               "计算单元长度 l 的墙在验算截面承受的基本组合");
  const Expr area = bearing.line("截面面积", "A", (h / constant(1000)) * (l - b), w.area, "m²");
  const std::string grades = brickGradeName(in.mu) + "、" + mortarGradeName(in.m);
  Expr f = bearing.fact("砌体抗压强度设计值", in.brick == BrickKind::Solid ? "f" : "f表",
                        shown(w.tableF), "N/mm²",
                        grades + "，施工质量控制等级 B 级（" + kMasonryCode +
                            " 烧结普通砖和烧结多孔砖砌体的抗压强度设计值表）");
  if (in.brick == BrickKind::Perforated)
    f = bearing.line("砌体抗压强度设计值", "f", f * constant(w.brickFactor), w.f, "N/mm²",
                     "烧结多孔砖，孔洞率大于 30%：表中数值乘以 0.9");
  const Expr gammaA = gammaALine(bearing, w, in, area);
  const Expr h0 =
      w.height.rule == HeightRule::Given
          ? bearing.fact("计算高度", "H0", shown(w.height.h0), "m", heightNote(w, in))
      : w.height.rule == HeightRule::Wide
          ? bearing.line("计算高度", "H0", constant(1) * known("H", constantText(in.storeyHeight)),
                         w.height.h0, "m", heightNote(w, in))
      : w.height.rule == HeightRule::Middle
          ? bearing.line("计算高度", "H0",
                         (constant(0.4) * known("s", constantText(in.spacing))) +
                             (constant(0.2) * known("H", constantText(in.storeyHeight))),
                         w.height.h0, "m", heightNote(w, in))
          : bearing.line("计算高度", "H0", constant(0.6) * known("s", constantText(in.spacing)),
                         w.height.h0, "m", heightNote(w, in));
  const Expr beta = bearing.line("高厚比", "β", (known("γβ", "1.0") * (h0 * constant(1000))) / h,
                                 w.beta, "", "γβ = 1.0（烧结砖砌体），h 为墙厚");
  const Expr alpha =
      bearing.fact("砂浆的系数", "α", shortestText(w.alpha), "",
                   std::string(in.m >= 5 ? "砂浆强度等级不低于 M5" : "砂浆强度等级 M2.5") + "（" +
                       kPhiClause + "）");
  const Expr phi =
      w.beta <= 3
          ? bearing.fact("影响系数", "φ", "1.0", "", "β ≤ 3（" + std::string(kPhiClause) + "）")
          : bearing.line(
                "影响系数", "φ",
                constant(1) / (constant(1) + (alpha * Expr{{"β²"}, {shown(w.beta) + "²"}})), w.phi,
                "",
                "轴心受压 e = 0，φ = φ0 = 1 / (1 + αβ²)（" + std::string(kPhiClause) +
                    "，式 (D.0.1-3)）");
  bearing.line("受压承载力", "Nu", product({phi, gammaA, f, area, constant(1000)}), w.nu, "kN",
               std::string("N ≤ φγa f A（") + kMasonryCode +
                   " 受压构件的承载力）；f 以 N/mm²、A 以 m² 计，乘以 1000 得 kN");
  figures.bearing = std::move(bearing.lines);

  Lines slender(figures.problem);
  const Expr allowed = slender.fact(
      "允许高厚比", "[β]", constantText(w.allowed), "",
      "墙，砂浆 " + mortarGradeName(in.m) + "（" + kMasonryCode + " 墙、柱的允许高厚比表）");
  const Expr mu1 = slender.fact("自承重墙的修正系数", "μ1", "1.0", "",
                                std::string("承重墙（") + kSlendernessClause + "）");
  const double formula = 1 - (0.4 * in.openingWidth) / in.unitLength;
  const Expr mu2 = slender.line(
      "有门窗洞口墙的修正系数", "μ2", constant(1) - ((constant(0.4) * b) / l), w.mu2, "",
      "b 为计算单元长度 l 内的洞口宽度，不计洞口高度；不小于 0.7" +
          (formula < w.mu2 ? "：按公式为 " + shown(formula) + "，取 0.7" : std::string()));
  slender.line("修正后的允许高厚比", "μ1μ2[β]", product({mu1, mu2, allowed}), w.limit, "");
  figures.slenderness = std::move(slender.lines);
  return figures;
}

std::string checkBlocks(const CalculatedAxis& a) {
  const CheckFigures figures = checkFiguresOf(a);
  const WallCheck& w = a.check->values;
  auto verdictLine = [](const std::string& text, bool holds) {
    return element("p", htmlText(text), holds ? "class=\"verdict\"" : "class=\"verdict fail\"");
  };
  std::string bearing, slender;
  for (const DerivationLine& l : figures.bearing) bearing += derivationHtml(l);
  for (const DerivationLine& l : figures.slenderness) slender += derivationHtml(l);
  const std::string ratio = w.n > 0 ? "，Nu / N = " + shown(w.nu / w.n) : "";
  const std::string mortar =
      a.check->inputs.m < 5
          ? element("p",
                    "注：砂浆 " + mortarGradeName(a.check->inputs.m) + " 低于 " +
                        kLeastMortarClause +
                        " 对设计工作年限不小于 25 年的烧结普通砖和烧结多孔砖砌体规定的砌筑砂浆"
                        "最低强度等级 M5。",
                    "class=\"note\"")
          : "";
  // A heading stays on the page of what follows it.
  return element("div",
                 element("h4", "墙体受压承载力验算") +
                     element("p", "验算截面：最下面一个计算层的墙底，轴心受压（e = 0）。",
                             "class=\"source\"") +
                     inputsOf(a),
                 "class=\"keep\"") +
         bearing +
         verdictLine("N = " + shown(w.n) + " kN " + (w.bearingHolds ? "≤" : ">") + " Nu = " +
                         shown(w.nu) + " kN" + ratio + "，" + verdict(w.bearingHolds) + "。",
                     w.bearingHolds) +
         element(
             "div",
             element("h4", "高厚比验算") + slender +
                 verdictLine("β = " + shown(w.beta) + " " + (w.slendernessHolds ? "≤" : ">") +
                                 " μ1μ2[β] = " + shown(w.limit) + "，" +
                                 verdict(w.slendernessHolds) + "（" + kSlendernessClause + "）。",
                             w.slendernessHolds),
             "class=\"keep\"") +
         mortar;
}

std::string checkCodeItems(const std::vector<CalculatedAxis>& axes) {
  if (!anyChecked(axes))
    return element("li", std::string(kMasonryCode) +
                             "：表格中没有墙体验算的数据，本计算书只计算墙体承受的荷载，"
                             "不含墙体受压承载力验算和高厚比验算。");
  return element("li", std::string(kMasonryCode) + "：高厚比验算 " + kSlendernessClause +
                           "；影响系数 φ " + kPhiClause +
                           "；砌体抗压强度设计值、受压构件的承载力、计算高度、允许高厚比和"
                           "有门窗洞口墙的修正系数按该规范的相应规定（本计算书不注其条号）。") +
         element("li", std::string(kGeneralCode) + "：砌体强度设计值的调整系数 γa " +
                           kGammaAClause + "；砌筑砂浆的最低强度等级 " + kLeastMortarClause + "。");
}

std::string checkAssumptions(const std::vector<CalculatedAxis>& axes) {
  if (!anyChecked(axes)) return "";
  const auto any = [&axes](auto test) {
    return std::any_of(axes.begin(), axes.end(),
                       [&](const CalculatedAxis& a) { return a.check && test(*a.check); });
  };
  std::string text =
      element("p",
              "验算截面为各轴线最下面一个计算层的墙底截面，按轴心受压（e = 0）验算受压承载力 "
              "N ≤ φγa f A 和高厚比 β ≤ μ1μ2[β]；N 为每米墙的基本组合 1.3G + 1.5Qr 乘以计算单元"
              "长度 l，A 为墙厚乘以 l 减去其中的洞口宽度 b。有窗的墙取一个开间（一个窗间墙）为"
              "计算单元。梁下等偏心受压的截面和梁端局部受压不在本验算之内。") +
      element("p",
              "砌体为烧结普通砖或烧结多孔砖，施工质量控制等级 B 级；μ1 = 1.0（承重墙）；"
              "μ2 = 1 − 0.4b / l，不小于 0.7，不计洞口高度。");
  if (any([](const AxisCheck& c) { return !c.inputs.h0; }))
    text += element("p", htmlText("由层高 H 和横墙间距 s 确定计算高度的轴线，假定房屋为刚性方案："
                                  "s > 2H 时 H0 = 1.0H，2H ≥ s > H 时 H0 = 0.4s + 0.2H，s ≤ H 时 "
                                  "H0 = 0.6s。"));
  if (any([](const AxisCheck& c) { return c.inputs.m < 5; }))
    text += element("p", std::string("有轴线采用 M2.5 砂浆：") + kLeastMortarClause +
                             " 规定设计工作年限不小于 25 年的烧结普通砖和烧结多孔砖砌体，"
                             "砌筑砂浆的最低强度等级为 M5。");
  return element("h3", "墙体验算") + text;
}

namespace {

// The headings of a summary table of the check, and the cells of an axis under them.
std::string checkHead() {
  std::string head = element("th", "轴线") + element("th", "墙类型");
  for (const std::string& h : checkHeadings()) head += element("th", h, "class=\"num\"");
  return head;
}
std::string checkRow(const DocumentInfo& info, const CalculatedAxis& a) {
  std::string row =
      element("td", htmlText(a.label)) + element("td", htmlText(wallName(info, a.wall)));
  for (const std::string& cell : checkCells(a)) row += element("td", cell, "class=\"num\"");
  return row;
}

}  // namespace

std::string failingAxes(const DocumentInfo& info, const std::vector<CalculatedAxis>& axes) {
  std::string rows;
  for (const CalculatedAxis& a : axes) {
    if (!checkFails(a)) continue;
    const WallCheck& w = a.check->values;
    std::string failed = w.bearingHolds ? "" : "受压承载力";
    if (!w.slendernessHolds) failed += (failed.empty() ? "" : "、") + std::string("高厚比");
    rows += element("tr", checkRow(info, a) + element("td", failed));
  }
  if (rows.empty()) return "";
  const std::string head = checkHead();
  return element("h3", "不满足的轴线", "class=\"fail\"") +
         element(
             "table",
             element("thead", element("tr", head + element("th", "不满足项", "class=\"what\""))) +
                 element("tbody", rows),
             "class=\"summary check fail\"");
}

std::string checkTable(const DocumentInfo& info, const std::vector<CalculatedAxis>& axes) {
  if (!anyChecked(axes)) return "";
  std::string rows;
  for (const CalculatedAxis& a : axes)
    rows += element("tr", checkRow(info, a), checkFails(a) ? "class=\"fail\"" : "");
  const std::string head = checkHead();
  return element("h3", "墙体验算") +
         element("p", "N、Nu 单位 kN；结论为受压承载力和高厚比两项验算均满足时“满足”。") +
         element("table", element("thead", element("tr", head)) + element("tbody", rows),
                 "class=\"summary check\"");
}

}  // namespace quarnel
