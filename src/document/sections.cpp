#include "document/sections.h"

#include <algorithm>
#include <map>
#include <optional>

#include "calc/fields.h"
#include "document/check.h"
#include "document/html.h"

namespace quarnel {
namespace {

// Whether the wall type uses the field.
bool uses(WallType wall, const Field& f) {
  return !f.shownFor || *f.shownFor == wall;
}

// A table cell as a term that keeps together.
std::string term(const std::string& text) {
  return element("span", htmlText(text), "class=\"t\"");
}

std::string terms(const Terms& ts) {
  std::string out;
  for (const std::string& t : ts) out += (out.empty() ? "" : " ") + term(t);
  return out;
}

// The field's words with its unit, for a table's heading.
std::string heading(const Field& f) {
  const std::string unit = documentUnit(f.unit);
  return htmlText(wordsOf(f)) + "<br>" + f.name + (unit.empty() ? "" : "（" + unit + "）");
}

}  // namespace

std::string coverSection(const DocumentInfo& info, std::size_t axes) {
  std::string rows;
  const std::pair<const char*, std::string> facts[] = {
      {"计算程序", htmlText(info.program)},
      {"计算日期", htmlText(info.date)},
      {"表格文件", htmlText(info.tableName)},
      {"表格 SHA-256", element("span", info.tableSha256, "class=\"hash\"")},
      {"轴线数", std::to_string(axes)}};
  for (const auto& [what, value] : facts)
    rows += element("tr", element("th", what) + element("td", value));
  std::string signatures;
  for (const char* role : {"设计", "校对", "审核"})
    signatures += element(
        "tr", element("th", role) + element("td", "") + element("th", "日期") + element("td", ""));
  return element("section",
                 element("p", htmlText(info.title), "class=\"title\"") +
                     element("p", "计算书", "class=\"kind\"") +
                     element("table", rows, "class=\"facts\"") +
                     element("table", signatures, "class=\"signatures\""),
                 "class=\"cover\"");
}

std::string basisSection(const std::vector<CalculatedAxis>& axes) {
  std::string settings;
  for (const FixedSetting& s : fixedSettings()) {
    std::string help = s.helpWords ? s.helpWords : "—";
    help.erase(
        std::unique(help.begin(), help.end(), [](char a, char b) { return a == ' ' && b == ' '; }),
        help.end());
    settings += element(
        "tr",
        element("td", htmlText(s.what)) + element("td", htmlText(help)) +
            element("td", constantText(s.value) + (*s.unit ? " " : "") + s.unit, "class=\"num\""));
  }
  const std::string codes =
      element("li", std::string("《工程结构通用规范》GB 55001-2021：作用组合") + kBasicClause +
                        "、" + kStandardClause + "；作用分项系数" + kFactorClause +
                        "；结构重要性系数" + kImportanceClause + "；设计工作年限的调整系数" +
                        kWorkingLifeClause + "。") +
      element("li", std::string("《建筑结构荷载规范》GB 50009-2012：楼面活荷载按楼层的折减系数"
                                "（活荷折减系数 zjxs，由表格给出）第 5.1.2 条；窗口和文本计算书的"
                                "设计值 1.2G + 1.4Qr ") +
                        kFormerClause + "。") +
      checkCodeItems(axes);
  return element(
      "section",
      element("h2", "1 设计依据") + element("ul", codes) +
          element("p",
                  "结构安全等级二级，结构重要性系数 γ0 = 1.0；设计工作年限 50 年，"
                  "楼面和屋面活荷载的调整系数 γL = 1.0。荷载均为每米墙长的线荷载（kN/m）；"
                  "恒荷载 G、活荷载 Q、折减后活荷载 Qr 为标准值。") +
          element("h3", "计算中的固定设定") +
          element("table",
                  element("tr", element("th", "项目") + element("th", "使用说明中的设定") +
                                    element("th", "计算取值")) +
                      settings,
                  "class=\"settings\"") +
          element("p",
                  htmlText(std::string("另：") + kPartitionAssumption + " " + kBalconyAssumption)) +
          element("p", "中间值按三位小数显示；计算按双精度进行，结果与窗口相同。") +
          checkAssumptions(axes),
      "class=\"basis\"");
}

std::string basicDataSection(const std::vector<CalculatedAxis>& axes) {
  // The basic data that at least one axis used, and the place of each among the inputs.
  std::vector<const Field*> basic;
  std::vector<std::size_t> at;
  const std::vector<const Field*>& inputs = fieldsOf(FieldKind::Input);
  for (std::size_t k = 0; k < inputs.size(); ++k)
    if (inputs[k]->basic && std::any_of(axes.begin(), axes.end(), [&](const CalculatedAxis& a) {
          return uses(a.wall, *inputs[k]);
        }))
      basic.push_back(inputs[k]), at.push_back(k);
  // Each set as the texts its axes used (none for a datum their wall type does not use), with
  // their labels.
  using Set = std::vector<std::optional<std::string>>;
  std::vector<std::pair<Set, std::string>> sets;
  std::map<Set, std::size_t> known;
  for (const CalculatedAxis& a : axes) {
    Set set;
    for (std::size_t k = 0; k < basic.size(); ++k)
      set.push_back(uses(a.wall, *basic[k]) ? std::optional(a.inputs[at[k]]) : std::nullopt);
    const auto [it, fresh] = known.emplace(set, sets.size());
    if (fresh) sets.push_back({set, ""});
    std::string& labels = sets[it->second].second;
    labels += (labels.empty() ? "" : "、") + htmlText(a.label);
  }
  std::string head = element("th", "组", "class=\"narrow\"");
  for (const Field* f : basic) head += element("th", heading(*f));
  std::string rows = element("tr", head);
  const std::string across = "colspan=\"" + std::to_string(basic.size() + 1) + "\"";
  for (std::size_t k = 0; k < sets.size(); ++k) {
    std::string row = element("td", std::to_string(k + 1), "class=\"narrow\"");
    for (const std::optional<std::string>& text : sets[k].first)
      row += element("td", text ? htmlText(*text) : "—", "class=\"num\"");
    rows += element("tr", row) + element("tr", element("td", "轴线：" + sets[k].second, across));
  }
  const bool unused = std::any_of(sets.begin(), sets.end(), [](const auto& set) {
    return std::find(set.first.begin(), set.first.end(), std::nullopt) != set.first.end();
  });
  return element("section", element("h2", "2 基本数据") +
                                element("table", rows, "class=\"basic\"") +
                                (unused ? element("p", "—：该组轴线的墙类型不用这项数据。") : ""));
}

std::string derivationHtml(const DerivationLine& line) {
  std::string out = term(line.name + " " + line.symbol);
  if (!line.formula.empty()) out += " " + term("=") + " " + terms(line.formula);
  if (!line.numbers.empty()) out += " " + term("=") + " " + terms(line.numbers);
  out += " " + term("= " + line.value + (line.unit.empty() ? "" : " " + line.unit));
  return element("p", out, "class=\"f\"") +
         (line.note.empty() ? "" : element("p", htmlText(line.note), "class=\"note\""));
}

std::string inputsTable(const std::vector<InputCell>& cells) {
  std::string row, rows;
  for (std::size_t k = 0; k < cells.size(); ++k) {
    const InputCell& c = cells[k];
    row += element("td", htmlText(c.words)) + element("td", htmlText(c.symbol)) +
           element("td", c.value, "class=\"num\"") + element("td", c.unit);
    if (k % 2 == 1 || k + 1 == cells.size())
      rows += element("tr", row + (k % 2 == 0 ? element("td", "", "colspan=\"4\"") : "")),
          row.clear();
  }
  std::string head;
  for (int half = 0; half < 2; ++half)
    head += element("th", "项目", "class=\"w-name\"") +
            element("th", "符号", "class=\"w-symbol\"") +
            element("th", "数值", "class=\"w-value\"") + element("th", "单位", "class=\"w-unit\"");
  return element("table", element("tr", head) + rows, "class=\"inputs\"");
}

std::string axisSection(const DocumentInfo& info, const CalculatedAxis& axis,
                        const AxisFigures& figures, std::size_t number) {
  std::vector<InputCell> cells;
  const std::vector<const Field*>& inputs = fieldsOf(FieldKind::Input);
  for (std::size_t k = 0; k < inputs.size(); ++k) {
    const Field& f = *inputs[k];
    if (!uses(axis.wall, f)) continue;
    const std::string& text = axis.inputs[k];
    cells.push_back(
        {wordsOf(f), f.name, text.empty() ? "0（空）" : htmlText(text), documentUnit(f.unit)});
  }
  std::string lines, combinations;
  for (const DerivationLine& l : figures.lines) lines += derivationHtml(l);
  for (const DerivationLine& l : figures.combinations) combinations += derivationHtml(l);
  const std::string title = "3." + std::to_string(number) + " 轴线 " + htmlText(axis.label) + "（" +
                            htmlText(wallName(info, axis.wall)) + "）";
  return element(
      "section",
      element("h3", title) +
          element("p", "表格第 " + std::to_string(axis.line) + " 行", "class=\"source\"") +
          inputsTable(cells) + element("h4", "荷载计算") + lines + element("h4", "荷载组合") +
          combinations + (axis.check ? checkBlocks(axis) : ""),
      "class=\"axis\"");
}

}  // namespace quarnel
