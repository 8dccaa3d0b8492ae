// Extreme texts typed or pasted into the main window: every calculate click either shows texts of
// the result patterns or one warning box and leaves the results alone; the report of any of them
// is whole; a click stays fast with megabyte texts.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "reliability_util.h"
#include "report/report_handler.h"
#include "ui/handlers.h"
#include "ui/memory_window.h"

namespace quarnel {
namespace {

using namespace reliability;

const std::size_t kMegabyte = 1 << 20;

// Results that no calculation shows: a click that must not write them leaves them standing.
const std::vector<std::string> kEarlier = {"1.0", "2.0", "3.0", "4."};

struct ExtremeCase {
  const char* name;
  FieldTexts texts;                  // set over the worked exterior example
  std::vector<std::string> results;  // what the click shows; empty: a warning box instead
  std::string warning;               // a part of the warning text
};

FieldTexts everyField(const std::string& text) {
  FieldTexts out;
  for (const char* name : kInputFields) out.push_back({name, text});
  return out;
}

const std::vector<ExtremeCase>& cases() {
  static const std::string mb(kMegabyte, ' '), digits(kMegabyte, '1'), zeros(kMegabyte, '0');
  static const std::vector<ExtremeCase> all = {
      // The axis label takes part in no calculation.
      {"1 MB axis label", {{"zxh", "书" + std::string(kMegabyte, 'A')}}, kExteriorResults, ""},
      // Blanks count for nothing, wherever they stand.
      {"1 MB of blanks before the wall length", {{"qcd", mb + "6.6"}}, kExteriorResults, ""},
      // Reading stops at the first character that cannot continue the number.
      {"1 MB of letters after the floor span",
       {{"lmjscd", "3.3" + std::string(kMegabyte, 'x')}},
       kExteriorResults,
       ""},
      {"1 MB of zeros after the decimals", {{"qcd", "6.6" + zeros}}, kExteriorResults, ""},
      {"1 MB of zeros before the wall length", {{"qcd", zeros + "6.6"}}, kExteriorResults, ""},
      {"1 MB of digits as the floor count", {{"hhjscs", digits}}, {}, "楼面计算层数"},
      {"1 MB of digits as the wall length", {{"qcd", digits}}, {}, "墙长度"},
      {"1e308 in every number field", everyField("1e308"), {}, ""},
      {"1e308 in every field held as a double",
       {{"zrz", "1e308"}, {"gqsl", "1e308"}, {"zscg", "1e308"}, {"lmjscd", "1e308"}},
       {},
       ""},
      {"99999 floors", {{"hhjscs", "99999"}}, {}, "楼面计算层数"},
      {"every field empty", everyField(""), {}, "墙长度输入错!"},
      {"every field abc", everyField("abc"), {}, "墙长度输入错!"},
  };
  return all;
}

// The worked exterior example with the case's texts over it, showing earlier results.
void prepare(MemoryWindow& w, const ExtremeCase& c) {
  setTexts(w, kExteriorExample);
  setTexts(w, c.texts);
  for (std::size_t k = 0; k < kResultFields.size(); ++k) w.setText(kResultFields[k], kEarlier[k]);
}

TEST(ExtremeInputs, CalculateShowsPatternedResultsOrOneWarningAndNothingElse) {
  for (const ExtremeCase& c : cases()) {
    MemoryWindow w;
    prepare(w, c);
    cmdjs_Click(w);
    if (!c.results.empty()) {
      EXPECT_TRUE(w.warnings().empty()) << c.name;
      EXPECT_EQ(results(w), c.results) << c.name;
      continue;
    }
    ASSERT_EQ(w.warnings().size(), 1u) << c.name;
    EXPECT_EQ(w.warnings()[0].title, "提示") << c.name;
    EXPECT_NE(w.warnings()[0].text.find(c.warning), std::string::npos)
        << c.name << ": " << w.warnings()[0].text;
    EXPECT_EQ(results(w), kEarlier) << c.name << ": results written after a failure";
  }
}

TEST(ExtremeInputs, ReportOfExtremeTextsIsWhole) {
  for (const ExtremeCase& c : cases()) {
    ScratchDir dir;
    MemoryWindow w;
    prepare(w, c);
    cmdjs_Click(w);
    Cmdjss_Click(w, dir.file("Quarnel书.txt"));
    EXPECT_EQ(w.warnings().size(), c.results.empty() ? 1u : 0u) << c.name;
    EXPECT_EQ(crlfLines(readBytes(dir.file("Quarnel书.txt"))), 9 + 10) << c.name;
    EXPECT_EQ(w.text("counter"), "2") << c.name;
  }
}

// A calculate click with megabyte texts in the axis label and a number field stays well within
// what the user notices; sanitizer builds run several times slower and get more time.
TEST(ExtremeInputs, CalculateClickWithMegabyteTextsTakesUnder50ms) {
#if defined(__SANITIZE_ADDRESS__) || defined(QUARNEL_SANITIZED)
  const double budgetMs = 50 * 8;
#else
  const double budgetMs = 50;
#endif
  for (const ExtremeCase& c : cases()) {
    MemoryWindow w;
    prepare(w, c);
    w.setText("zxh", std::string(kMegabyte, 'A'));
    const auto start = std::chrono::steady_clock::now();
    cmdjs_Click(w);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took.count(), budgetMs) << c.name;
  }
}

}  // namespace
}  // namespace quarnel
