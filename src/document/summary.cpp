#include "document/summary.h"

#include <algorithm>

#include "calc/utf8.h"
#include "document/check.h"
#include "document/html.h"

namespace quarnel {
namespace {

// The drawing's measures, in millimetres of the printed page at full width; the labels stand
// left of kBarStart.
constexpr double kBarStart = 36, kBarLength = 100, kFont = 3.2;
constexpr double kLineHeight = 4.2, kBarHeight = 3.6, kLegendHeight = 9, kPageHeight = 225;
constexpr std::size_t kLabelColumns = 10;  // characters of a label on one line, each up to 1 em
constexpr const char* kDeadColour = "#3a5f8f";
constexpr const char* kLiveColour = "#a8c4e6";

// The largest basic combination among the axes.
double largest(const std::vector<AxisFigures>& figures) {
  double most = 0;
  for (const AxisFigures& f : figures) most = std::max(most, f.basic);
  return most;
}

std::string number(double value) {
  return constantText(value);
}

// The label cut into lines of kLabelColumns characters, each as SVG text.
std::vector<std::string> labelLines(const std::string& label) {
  std::vector<std::string> lines(1);
  std::size_t count = 0;
  std::string_view rest = label;
  for (Utf8Step step{}; !rest.empty(); rest.remove_prefix(step.length)) {
    step = nextUtf8(rest);
    if (count == kLabelColumns) lines.emplace_back(), count = 0;
    lines.back().append(rest.substr(0, step.length));
    ++count;
  }
  for (std::string& line : lines) line = htmlLine(line);
  return lines;
}

std::string text(double x, double y, const std::string& content, const char* extra = "") {
  return "<text x=\"" + number(x) + "\" y=\"" + number(y) + "\"" + extra + ">" + content +
         "</text>";
}

std::string rect(double x, double y, double width, double height, const char* colour) {
  return "<rect x=\"" + number(x) + "\" y=\"" + number(y) + "\" width=\"" + number(width) +
         "\" height=\"" + number(height) + "\" fill=\"" + colour + "\"/>";
}

std::string legend() {
  return rect(kBarStart, 2, 6, kBarHeight, kDeadColour) + text(kBarStart + 7.5, 2 + kFont, "1.3G") +
         rect(kBarStart + 22, 2, 6, kBarHeight, kLiveColour) +
         text(kBarStart + 29.5, 2 + kFont, "1.5Qr（kN/m）");
}

std::string drawing(const std::string& rows, double width, double height) {
  return "<svg class=\"chart\" viewBox=\"0 0 " + number(width) + " " + number(height) +
         "\" role=\"img\" aria-label=\"各轴线 1.3G + 1.5Qr\" font-size=\"" + number(kFont) + "\">" +
         legend() + rows + "</svg>";
}

const SummaryColumn kColumns[] = {
    {"轴线",
     [](const DocumentInfo&, const CalculatedAxis& a, const AxisFigures&) {
       return htmlText(a.label);
     },
     false},
    {"墙类型",
     [](const DocumentInfo& info, const CalculatedAxis& a, const AxisFigures&) {
       return htmlText(wallName(info, a.wall));
     },
     false},
    {"G",
     [](const DocumentInfo&, const CalculatedAxis& a, const AxisFigures&) { return a.results[0]; },
     true},
    {"Q",
     [](const DocumentInfo&, const CalculatedAxis& a, const AxisFigures&) { return a.results[1]; },
     true},
    {"Qr",
     [](const DocumentInfo&, const CalculatedAxis& a, const AxisFigures&) { return a.results[2]; },
     true},
    {"G + Qr",
     [](const DocumentInfo&, const CalculatedAxis&, const AxisFigures& f) {
       return shownValue(f.standard);
     },
     true},
    {"1.2G + 1.4Qr",
     [](const DocumentInfo&, const CalculatedAxis& a, const AxisFigures&) { return a.results[3]; },
     true},
    {"1.3G + 1.5Qr",
     [](const DocumentInfo&, const CalculatedAxis&, const AxisFigures& f) {
       return shownValue(f.basic);
     },
     true}};

}  // namespace

const std::vector<SummaryColumn>& summaryColumns() {
  static const std::vector<SummaryColumn> columns(std::begin(kColumns), std::end(kColumns));
  return columns;
}

std::string summarySection(const DocumentInfo& info, const std::vector<CalculatedAxis>& axes,
                           const std::vector<AxisFigures>& figures) {
  std::string head;
  for (const SummaryColumn& c : summaryColumns())
    head += element("th", c.heading, c.number ? "class=\"num\"" : "");
  std::string rows = element("thead", element("tr", head));
  const double most = largest(figures);
  std::string body;
  for (std::size_t k = 0; k < axes.size(); ++k) {
    std::string row;
    const bool top = figures[k].basic == most;
    for (const SummaryColumn& c : summaryColumns())
      row += element("td", (top && row.empty() ? "★ " : "") + c.cell(info, axes[k], figures[k]),
                     c.number ? "class=\"num\"" : "");
    body += element("tr", row, top ? "class=\"most\"" : "");
  }
  return element("section",
                 element("h2", "4 汇总表") + failingAxes(info, axes) +
                     element("p", "单位 kN/m。★ 所在行的基本组合 1.3G + 1.5Qr 最大。") +
                     element("table", rows + element("tbody", body), "class=\"summary\"") +
                     checkTable(info, axes),
                 "class=\"summary\"");
}

std::string chartSection(const std::vector<CalculatedAxis>& axes,
                         const std::vector<AxisFigures>& figures) {
  const double most = largest(figures);
  std::size_t widest = 0;
  for (const AxisFigures& f : figures) widest = std::max(widest, shownValue(f.basic).size() + 2);
  // Past its usual width the drawing is scaled down to the page, never cut.
  const double width = std::max(170.0, kBarStart + kBarLength + 2 + widest * kFont * 0.6);
  std::string drawings, rows;
  double y = kLegendHeight;
  for (std::size_t k = 0; k < axes.size(); ++k) {
    const AxisFigures& f = figures[k];
    const std::vector<std::string> lines = labelLines(axes[k].label);
    const double height = std::max(6.0, lines.size() * kLineHeight + 1.8);
    if (y + height > kPageHeight && !rows.empty())
      drawings += drawing(rows, width, y), rows.clear(), y = kLegendHeight;
    for (std::size_t n = 0; n < lines.size(); ++n)
      rows += text(0, y + kFont + n * kLineHeight, lines[n]);
    const double scale = most > 0 ? kBarLength / most : 0;
    const double dead = std::max(0.0, f.basicDead) * scale,
                 live = std::max(0.0, f.basicLive) * scale;
    rows += rect(kBarStart, y + 0.3, dead, kBarHeight, kDeadColour) +
            rect(kBarStart + dead, y + 0.3, live, kBarHeight, kLiveColour);
    const bool top = f.basic == most;
    rows += text(kBarStart + dead + live + 1.5, y + kFont, (top ? "★ " : "") + shownValue(f.basic),
                 top ? " font-weight=\"bold\"" : "");
    y += height;
  }
  if (!rows.empty()) drawings += drawing(rows, width, y);
  return element("section",
                 element("h2", "5 荷载设计值图") +
                     element("p",
                             "每条轴线的基本组合 1.3G + 1.5Qr，分为 1.3G 与 1.5Qr 两段，"
                             "比例尺相同；★ 为最大值。") +
                     drawings,
                 "class=\"chart\"");
}

}  // namespace quarnel
