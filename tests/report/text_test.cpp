// The GBK bytes of report texts and the 14-column print zones of the line model.
#include <string>
#include <vector>

#include "report/gbk.h"
#include "report/report_text.h"
#include "report_test_util.h"

namespace quarnel {
namespace {

using test::B;

struct GbkCase {
  const char* utf8;
  std::string gbk;
};

// Byte values from the GB 2312 / GBK code table.
TEST(ReportGbk, KnownCharactersHaveTheirCodeTableBytes) {
  const std::vector<GbkCase> cases = {
      {"", ""},
      {"(kn/m3) 0.45", "(kn/m3) 0.45"},
      {"书", "\xCA\xE9"},
      {"：", "\xA3\xBA"},
      {"砖墙", "\xD7\xA9\xC7\xBD"},
      {"（折减）", "\xA3\xA8\xD5\xDB\xBC\xF5\xA3\xA9"},
      {"Quarnel书\r\n", "Quarnel\xCA\xE9\r\n"},
  };
  for (const GbkCase& c : cases) EXPECT_EQ(toGbk(c.utf8), c.gbk) << c.utf8;
}

TEST(ReportGbk, WhatGbkCannotHoldBecomesOneQuestionMark) {
  const std::vector<GbkCase> cases = {
      {"A😀B", "A?B"},         // outside the Basic Multilingual Plane
      {"한书", "?\xCA\xE9"},  // Hangul syllables are not in GBK
      {"a\xFF"
       "b",
       "a?b"},             // a byte that is never UTF-8
      {"\xE4\xB9", "??"},  // a character cut short at the end
      {"\xC3(", "?("},     // a lead byte without its continuation
      {"😀😀书😀", "??\xCA\xE9?"},
  };
  for (const GbkCase& c : cases) EXPECT_EQ(toGbk(c.utf8), c.gbk) << c.gbk;
}

// One step of a line: an item (nullptr for none), then Z (zone) or E (end) or nothing.
struct Step {
  const char* item;
  char sep;  // 'J' joined, 'Z' zone, 'E' end
};

struct ZoneCase {
  const char* name;
  std::vector<Step> steps;
  std::string utf8;  // what the steps write, in UTF-8
};

TEST(ReportPrintZones, BlanksReachTheNextZoneStartAfterTheColumn) {
  const std::string k14 = "abcdefghijklmn", k13 = "abcdefghijklm";
  const std::vector<ZoneCase> cases = {
      {"at line start: a whole zone", {{"", 'Z'}, {"x", 'J'}}, B(14) + "x"},
      {"one column short of a zone", {{"abcdefghijklm", 'Z'}, {"x", 'J'}}, k13 + B(1) + "x"},
      {"ends exactly on a zone start", {{"abcdefghijklmn", 'Z'}, {"x", 'J'}}, k14 + B(14) + "x"},
      {"joined items count together",
       {{"abcdefg", 'J'}, {"hijklmn", 'Z'}, {"x", 'J'}},
       k14 + B(14) + "x"},
      {"past two zone starts, nothing cut",
       {{"abcdefghijklmnopqrstuvwxyz0123", 'Z'}, {"x", 'J'}},
       "abcdefghijklmnopqrstuvwxyz0123" + B(12) + "x"},
      {"two zones in a row", {{"ab", 'Z'}, {"", 'Z'}, {"x", 'J'}}, "ab" + B(12) + B(14) + "x"},
      {"a line end starts again at column 0",
       {{"abc", 'E'}, {"de", 'Z'}, {"x", 'J'}},
       "abc\r\nde" + B(12) + "x"},
      {"Chinese counts two columns",
       {{"书书书书书书书", 'Z'}, {"x", 'J'}},
       "书书书书书书书" + B(14) + "x"},
      {"full-width colon counts two",
       {{"砖墙容重：22", 'Z'}, {"x", 'J'}},
       "砖墙容重：22" + B(2) + "x"},
      {"a replaced character counts one", {{"😀书", 'Z'}, {"x", 'J'}}, "?书" + B(11) + "x"},
  };
  for (const ZoneCase& c : cases) {
    ReportText t;
    for (const Step& s : c.steps) {
      t.add(s.item);
      if (s.sep == 'Z') t.zone();
      if (s.sep == 'E') t.end();
    }
    std::string expected = toGbk(c.utf8);
    EXPECT_EQ(t.bytes(), expected) << c.name;
  }
}

}  // namespace
}  // namespace quarnel

namespace quarnel {
namespace {

TEST(ReportPrintZones, LineBreaksInsideAnItemBecomeBlanks) {
  ReportText t;
  t.add("1\r\n2\n3\r").zone().add("x").end();
  EXPECT_EQ(t.bytes(), "1  2 3 " + std::string(7, ' ') + "x\r\n");
}

}  // namespace
}  // namespace quarnel
