#include "document/document.h"

#include "document/check.h"
#include "document/derivation.h"
#include "document/html.h"
#include "document/sections.h"
#include "document/summary.h"

namespace quarnel {
namespace {

// Screen and print: A4 with 20 mm margins and the page number below; a CJK serif face with a
// sans-serif fallback; no table row, axis section or derivation line split across pages; nothing
// wider than the page: a formula's terms keep together and wrap before an operator, any other
// text wraps anywhere when it must.
constexpr const char* kStyle = R"(
@page { size: A4; margin: 20mm;
  @bottom-center { content: "第 " counter(page) " 页 共 " counter(pages) " 页"; font-size: 9pt; } }
html { font-family: "SimSun", "宋体", "Noto Serif CJK SC", "Source Han Serif SC", "Songti SC",
  serif, "Microsoft YaHei", "Noto Sans CJK SC", "Source Han Sans SC", sans-serif;
  font-size: 10.5pt; line-height: 1.45; color: #000; background: #fff; overflow-wrap: anywhere; }
body { max-width: 170mm; margin: 0 auto; }
@media screen { body { padding: 12mm 8mm; } section.axis, section.cover { border-bottom: 1px solid #999; } }
h2, h3, h4, .title, .kind { font-family: "SimHei", "黑体", "Noto Sans CJK SC", "Source Han Sans SC",
  "Microsoft YaHei", sans-serif; break-after: avoid; }
h2 { font-size: 14pt; margin: 7mm 0 3mm; }
h3 { font-size: 12pt; margin: 5mm 0 1mm; }
h4 { font-size: 10.5pt; margin: 3mm 0 1mm; }
p { margin: 1mm 0; }
table { width: 100%; border-collapse: collapse; table-layout: fixed; margin: 2mm 0; }
th, td { border: 0.5pt solid #000; padding: 0.8mm 1.2mm; vertical-align: top; font-weight: normal; }
th { background: #eee; text-align: left; }
tr, .f, .note, svg, .keep { break-inside: avoid; }
thead { display: table-header-group; }
.num { text-align: right; }
.cover { text-align: center; break-after: page; padding-top: 40mm; }
.cover table { text-align: left; }
.title { font-size: 22pt; margin: 0 0 6mm; }
.kind { font-size: 26pt; letter-spacing: 0.5em; margin: 0 0 30mm; }
.facts th { width: 30mm; }
.hash { font-family: "DejaVu Sans Mono", "Consolas", monospace; font-size: 8.5pt; }
.signatures { margin-top: 25mm; }
.signatures th { width: 18mm; }
.signatures td { height: 11mm; }
.settings th:first-child { width: 55mm; }
.settings th:last-child { width: 32mm; }
.basic th, .basic td, .summary th, .summary td { font-size: 9pt; padding: 0.6mm 0.8mm; }
.basic .narrow { width: 7mm; }
.summary th:first-child { width: 22%; }
.summary th:nth-child(2) { width: 9%; }
.inputs td, .inputs th { font-size: 9pt; }
.inputs .w-name { width: 22%; }
.inputs .w-symbol { width: 10%; }
.inputs .w-value { width: 11%; }
.inputs .w-unit { width: 7%; }
section.axis { break-inside: avoid; }
.source { font-size: 9pt; color: #444; }
.f { padding-left: 2em; text-indent: -2em; }
.t { display: inline-block; max-width: 100%; text-indent: 0; }
.note { font-size: 9pt; padding-left: 2em; color: #333; }
.summary tr.most td { font-weight: bold; }
.fail, .fail td, .fail th { color: #c00; }
.summary.check th:first-child { width: 12%; }
.summary.check th:nth-child(2) { width: 8%; }
.summary th.what { width: 14%; }
.verdict { font-weight: bold; padding-left: 2em; }
svg.chart { display: block; width: 100%; height: auto; margin: 2mm 0 4mm; }
)";

}  // namespace

CalculationDocument calculationDocument(const DocumentInfo& info,
                                        const std::vector<CalculatedAxis>& axes) {
  // Written in one string from the start; each axis's derivation is dropped once its section
  // stands, and only its figures stay for the summary and the chart.
  CalculationDocument doc;
  std::string& html = doc.html;
  html.reserve(12000 + 8200 * axes.size());
  html +=
      "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
      "<meta name=\"generator\" content=\"" +
      htmlLine(info.program) + "\">\n";
  html += element("title", htmlLine(info.title) + " 计算书") + "\n" + element("style", kStyle) +
          "\n</head>\n<body>\n";
  html += coverSection(info, axes.size()) + "\n" + basisSection(axes) + "\n" +
          basicDataSection(axes) + "\n" + element("h2", "3 各轴线荷载计算") + "\n";
  std::vector<AxisFigures> figures(axes.size());
  for (std::size_t k = 0; k < axes.size(); ++k) {
    figures[k] = figuresOf(axes[k]);
    if (figures[k].problem.empty() && axes[k].check)
      figures[k].problem = checkFiguresOf(axes[k]).problem;
    if (!figures[k].problem.empty()) doc.problems.push_back({axes[k].line, figures[k].problem});
    if (!doc.problems.empty()) continue;
    html += axisSection(info, axes[k], figures[k], k + 1) + "\n";
    figures[k].lines = {}, figures[k].combinations = {};
  }
  if (!doc.problems.empty()) return {{}, std::move(doc.problems)};
  html += summarySection(info, axes, figures) + "\n" + chartSection(axes, figures) +
          "\n</body>\n</html>\n";
  return doc;
}

}  // namespace quarnel
