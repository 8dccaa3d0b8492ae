// The calculation document without a browser: user texts escaped, SHA-256 against the known
// answers of FIPS 180, the worked examples' derivations, the basic data its axes used, the largest
// design value marked, a value beyond a double refused.
#include "document/document.h"

#include <gtest/gtest.h>

#include "../common/test_support.h"
#include "calc/calculation.h"
#include "calc/check_fields.h"
#include "document/check.h"
#include "document/derivation.h"
#include "document/html.h"
#include "document/sha256.h"

namespace quarnel::test {
namespace {

// A worked example as a run over a table calculates it.
CalculatedAxis axisOf(const Example& e, const std::string& label, const Texts& over = {}) {
  Texts t = e.texts;
  for (const auto& [name, text] : over) t[name] = text;
  CalculatedAxis a;
  a.label = label;
  a.wall = e.interior ? WallType::Interior : WallType::Exterior;
  const auto text = [&](std::string_view f) { return t.count(f) ? t.find(f)->second : ""; };
  for (const Field* f : fieldsOf(FieldKind::Input)) a.inputs.push_back(text(f->name));
  a.working = computeWorkingValues(readInputs(text).inputs.value(), a.wall);
  a.results = formatLoads(a.working.loads, a.wall).texts;
  return a;
}

std::string html(const std::vector<CalculatedAxis>& axes, const std::string& title = "T") {
  const DocumentInfo info{title, "2026-01-15", "t.csv", sha256Hex(""), "p", {"外墙", "内墙"}};
  return calculationDocument(info, axes).html;
}

std::string joined(const Terms& terms) {
  std::string s;
  for (const std::string& t : terms) s += (s.empty() ? "" : " ") + t;
  return s;
}

bool has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(Html, UserTextShowsAsTypedAndRunsNothing) {
  const std::pair<std::string, std::string> rows[] = {
      {"<b>A</b>", "&lt;b&gt;A&lt;/b&gt;"},
      {"<script>alert('x')</script>", "&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;"},
      {"&amp;", "&amp;amp;"},
      {"\"1/A\"", "&quot;1/A&quot;"},
      {"三号楼\r\n第二行\n3\r4", "三号楼<br>第二行<br>3<br>4"},
      {"a\x01\x7F\xC2\x85z\xFF", "a\uFFFD\uFFFD\uFFFDz\uFFFD"},
      {"\t轴 1", "\t轴 1"}};
  for (const auto& [typed, shown] : rows) EXPECT_EQ(htmlText(typed), shown) << typed;
  EXPECT_EQ(htmlLine("A\r\nB<"), "A B&lt;");
  // In the document: the title, and labels in the sections, the summary and the chart.
  const std::string label(200, 'W'),
      doc = html({axisOf(workedExamples()[0], "<b>A</b>"), axisOf(workedExamples()[1], label)},
                 "三号楼\n<i>计算</i>");
  EXPECT_TRUE(has(doc, "三号楼<br>&lt;i&gt;计算&lt;/i&gt;"));
  EXPECT_TRUE(has(doc, "<title>三号楼 &lt;i&gt;计算&lt;/i&gt; 计算书</title>"));
  EXPECT_FALSE(has(doc, "<b>A") || has(doc, "<i>"));
  EXPECT_EQ(std::count(doc.begin(), doc.end(), '\0'), 0);
  std::size_t labels = 0;
  for (auto k = doc.find(label); k != std::string::npos; k = doc.find(label, k + 1)) ++labels;
  EXPECT_EQ(labels, 3u);  // its section, the basic data, the summary; the chart cuts it in lines
}

TEST(Sha256, KnownAnswersOfFips180) {
  const std::pair<std::string, const char*> rows[] = {
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {std::string(1000000, 'a'),
       "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"}};
  for (const auto& [bytes, digest] : rows) EXPECT_EQ(sha256Hex(bytes), digest) << bytes.size();
}

// Each line: the formula in its symbols, with the table's texts put in, and its value, in the
// grouping of the formulas as written for the calculation (with as many parentheses opened as
// closed: the written formulas of G and of an interior wall's partitions open one more).
TEST(Derivation, WorkedExamplesHoldTheirNumbers) {
  const std::vector<std::vector<std::tuple<const char*, const char*, const char*, const char*>>>
      rows = {
          {{"ytdh", "((yttccd × 3.25) + 1.452) + 0.765", "((1.2 × 3.25) + 1.452) + 0.765", "6.117"},
           {"ythh", "yttccd × 2.5", "1.2 × 2.5", "3.0"},
           {"lmdhx", "lmjscd × lmdh", "3.3 × 3.60", "11.88"},
           {"wmhhx", "lmjscd × wmhh", "3.3 × 0.7", "2.31"},
           {"gqzz", "((((zrz × gqsl) × zscg) × 0.12) × lmjscd) / qcd",
            "((((22 × 1) × 2.9) × 0.12) × 3.3) / 6.6", "3.828"},
           {"qtzz", "(((((qcd × zscg) − mcmj) × zsqh) × zrz) + (crz × mcmj)) / qcd",
            "(((((6.6 × 2.9) − 3.78) × 0.37) × 22) + (0.45 × 3.78)) / 6.6", "19.202"},
           {"G",
            "((((qtzz + gqzz) × qcs) + ((lmdhx + ((ytdh × ytzcd) / qcd)) × hhjscs)) + wmdhx) + "
            "nrq",
            "((((19.202 + 3.828) × 6) + ((11.88 + ((6.117 × 3.6) / 6.6)) × 5)) + 23.1) + 6.858",
            "244.219"},
           {"Q", "((lmhhx + ((ythh × ytzcd) / qcd)) × hhjscs) + wmhhx",
            "((6.6 + ((3.0 × 3.6) / 6.6)) × 5) + 2.31", "43.492"},
           {"Qr", "Q × zjxs", "43.492 × 0.65", "28.27"},
           {"1.3G + 1.5Qr", "(Qr × 1.5) + (G × 1.3)", "(28.27 × 1.5) + (244.219 × 1.3)", "359.889"},
           {"G + Qr", "", "244.219 + 28.27", "272.489"},
           {"1.2G + 1.4Qr", "(Qr × 1.4) + (G × 1.2)", "(28.27 × 1.4) + (244.219 × 1.2)", "332.64"}},
          {{"gqzz", "((((((gqc1 × gqds1) + (gqc2 × gqds2)) × zrz) × zscg) × 0.12) / 2) / qcd",
            "((((((3.3 × 1) + (2.4 × 2)) × 22) × 2.9) × 0.12) / 2) / 6.6", "4.698"},
           {"G", "(((qtzz + gqzz) × qcs) + (lmdhx × hhjscs)) + wmdhx", "", "209.261"},
           {"Q", "(lmhhx × hhjscs) + wmhhx", "(7.8 × 5) + 2.73", "41.73"},
           {"Qr", "Q × zjxs", "41.73 × 0.65", "27.124"},
           {"1.3G + 1.5Qr", "", "(27.124 × 1.5) + (209.261 × 1.3)", "312.726"},
           {"G + Qr", "", "209.261 + 27.124", "236.386"},
           {"1.2G + 1.4Qr", "", "(27.124 × 1.4) + (209.261 × 1.2)", "289.088"}}};
  for (std::size_t k = 0; k < 2; ++k) {
    const AxisFigures f = figuresOf(axisOf(workedExamples()[k], "A"));
    std::vector<DerivationLine> lines = f.lines;
    lines.insert(lines.end(), f.combinations.begin(), f.combinations.end());
    EXPECT_EQ(lines.size(), k == 0 ? 14u : 12u);  // the interior wall has no balcony
    for (const auto& [symbol, formula, numbers, value] : rows[k]) {
      auto line =
          std::find_if(lines.begin(), lines.end(),
                       [&wanted = symbol](const DerivationLine& l) { return l.symbol == wanted; });
      ASSERT_NE(line, lines.end()) << symbol;
      EXPECT_TRUE(!*formula || joined(line->formula) == formula) << symbol;
      EXPECT_TRUE(!*numbers || joined(line->numbers) == numbers) << symbol;
      EXPECT_EQ(line->value, value) << symbol;
      EXPECT_EQ(line->unit, "kN/m");
    }
  }
}

// The basic data: each set once with its axes; a datum no axis of the table used (the parapet of
// interior walls, whose text is still the window's default) is not stated at all.
TEST(Document, StatesTheBasicDataItsAxesUsedOnly) {
  const Example &x = workedExamples()[0], &n = workedExamples()[1];
  const std::string interiorOnly =
      html({axisOf(n, "B", {{"nrq", "6.858"}, {"yttccd", "1.2"}}), axisOf(n, "C")});
  for (const char* unused : {"6.858", "nrq", "女儿墙线荷载", "yttccd", "阳台挑出宽度", "gqsl"})
    EXPECT_FALSE(has(interiorOnly, unused)) << unused;
  EXPECT_TRUE(has(interiorOnly, "B、C"));
  const std::string both =
      html({axisOf(x, "A"), axisOf(n, "B"), axisOf(x, "D", {{"lmhh", "2.5"}}), axisOf(x, "E")});
  for (const char* set : {"轴线：A、E<", "轴线：B<", "轴线：D<", "女儿墙线荷载", "6.858",
                          "—：该组轴线", "表格中没有墙体验算的数据"})
    EXPECT_TRUE(has(both, set)) << set;
}

TEST(Document, MarksTheLargestDesignValueAndRefusesOneBeyondADouble) {
  const std::string doc =
      html({axisOf(workedExamples()[1], "B"), axisOf(workedExamples()[0], "A")});
  EXPECT_TRUE(has(doc, "<td>★ A</td>"));
  EXPECT_FALSE(has(doc, "★ B"));
  EXPECT_TRUE(has(doc, "★ 359.889"));  // the chart's bar
  // 1.2G is a double, 1.3G is not.
  CalculatedAxis huge = axisOf(workedExamples()[0], "H");
  huge.line = 7, huge.working.loads.dhz = 1.45e308;
  const DocumentInfo info{"T", "2026-01-15", "t.csv", "", "p", {"外墙", "内墙"}};
  const CalculationDocument refused =
      calculationDocument(info, {axisOf(workedExamples()[0], "A"), huge});
  EXPECT_EQ(refused.html, "");
  ASSERT_EQ(refused.problems.size(), 1u);
  EXPECT_EQ(refused.problems[0].first, 7u);
}

// The check's lines of textbook cases, each as formula, numbers and value: a 370 × 490 column,
// MU10/M5, H0 3.7 m (A 0.1813 m², γa 0.8813, β 10, φ 0.8696, Nu 208.4 kN); a 240 wall, M5, H0
// 5.4 m, 1.2 m of opening in 4 m (μ2 0.88, β 22.5 > 21.12); a 240 wall, M2.5, H0 5.5 m, 1.5 m in
// 3.3 m (μ2 0.818, β 22.92 > 18.0), below the least mortar of the general code.
TEST(Document, CheckLinesOfTextbookCases) {
  using Texts = std::map<std::string, std::string>;
  using Line = std::tuple<const char*, const char*, const char*, const char*>;
  const std::vector<std::pair<Texts, std::vector<Line>>> cases = {
      {{{"qh", "370"}, {"sjdj", "M5"}, {"jsgd", "3.7"}, {"jsdy", "0.49"}},
       {{"A", "(h / 1000) × (l − b)", "(370 / 1000) × (0.49 − 0)", "0.181"},
        {"γa", "0.7 + A", "0.7 + 0.181", "0.881"},
        {"β", "(γβ × (H0 × 1000)) / h", "(1.0 × (3.7 × 1000)) / 370", "10.0"},
        {"φ", "1 / (1 + (α × β²))", "1 / (1 + (0.0015 × 10.0²))", "0.87"},
        {"Nu", "φ × γa × f × A × 1000", "0.87 × 0.881 × 1.5 × 0.181 × 1000", "208.408"}}},
      {{{"qh", "240"}, {"sjdj", "M5"}, {"jsgd", "5.4"}, {"jsdy", "4"}, {"dkkd", "1.2"}},
       {{"μ2", "1 − ((0.4 × b) / l)", "1 − ((0.4 × 1.2) / 4)", "0.88"},
        {"μ1μ2[β]", "μ1 × μ2 × [β]", "1.0 × 0.88 × 24", "21.12"}}},
      {{{"qh", "240"}, {"sjdj", "m2.5"}, {"jsgd", "5.5"}, {"jsdy", "3.3"}, {"dkkd", "1.5"}},
       {{"μ2", "", "1 − ((0.4 × 1.5) / 3.3)", "0.818"},
        {"μ1μ2[β]", "", "1.0 × 0.818 × 22", "18.0"}}}};
  const char* verdicts[] = {"N = 10.0 kN ≤ Nu = 208.408 kN，Nu / N = 20.841，满足",
                            "β = 22.5 &gt; μ1μ2[β] = 21.12，不满足",
                            "β = 22.917 &gt; μ1μ2[β] = 18.0，不满足"};
  for (std::size_t k = 0; k < cases.size(); ++k) {
    Texts t = cases[k].first;
    t["ktdj"] = "MU10";
    const auto text = [&t](std::string_view name) { return t[std::string(name)]; };
    CalculatedAxis a = axisOf(workedExamples()[0], "A");
    a.check = AxisCheck{{}, checkInputs(text), {}};
    for (const CheckField& f : checkFields()) a.check->texts.push_back(text(f.name));
    a.check->values = checkWall(a.check->inputs, 10 / a.check->inputs.unitLength).check.value();
    const CheckFigures figures = checkFiguresOf(a);
    std::vector<DerivationLine> lines = figures.bearing;
    lines.insert(lines.end(), figures.slenderness.begin(), figures.slenderness.end());
    for (const auto& [symbol, formula, numbers, value] : cases[k].second) {
      auto line =
          std::find_if(lines.begin(), lines.end(),
                       [&wanted = symbol](const DerivationLine& l) { return l.symbol == wanted; });
      ASSERT_NE(line, lines.end()) << symbol;
      EXPECT_TRUE(!*formula || joined(line->formula) == formula) << symbol;
      EXPECT_EQ(joined(line->numbers), numbers) << symbol;
      EXPECT_EQ(line->value, value) << symbol;
    }
    const std::string blocks = checkBlocks(a);
    EXPECT_TRUE(has(blocks, verdicts[k])) << blocks;
    EXPECT_EQ(has(blocks, "GB 55007-2021 第 3.3.1 条"), k == 2);
  }
}

}  // namespace
}  // namespace quarnel::test
