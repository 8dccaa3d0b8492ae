// The report text: GBK bytes, 14-column print zones counted in them, CR LF, the lines of a click.
#include <gtest/gtest.h>

#include <cstdint>

#include "../common/test_support.h"
#include "report/gbk.h"
#include "report/report_text.h"
#include "ui/handlers.h"
#include "ui/memory_window.h"

namespace quarnel::test {
namespace {

const auto B = [](int n) { return std::string(n, ' '); };

TEST(ReportGbk, CodeTableBytesAndOneQuestionMarkForWhatGbkLacks) {
  const std::pair<const char*, std::string> rows[] = {
      {"(kn/m3) 0.45书：砖墙（折减）",
       "(kn/m3) 0.45\xCA\xE9\xA3\xBA\xD7\xA9\xC7\xBD\xA3\xA8\xD5\xDB\xBC\xF5\xA3\xA9"},
      {"A😀B한书", "A?B?\xCA\xE9"},
      {"\xC3(a\xFF\xE4\xB9", "?(a???"},
      {"€\uE000\uE4C6\uE765\uF8F5", "\x80\xAA\xA1\xA1\x40\xA7\xA0\xFF"}};  // code page 936
  for (const auto& [utf8, gbk] : rows) EXPECT_EQ(toGbk(utf8), gbk) << gbk;
}

// Every code point of the plane (surrogates as UTF-8 would write them) and strings that are not
// UTF-8. The digest of their bytes was computed apart by the Windows converter (code page 936) and
// by the Linux one (glibc's GBK), which agreed: a failure means they differ, not a value to paste.
TEST(ReportGbk, WindowsAndLinuxConvertThePlaneAlike) {
  std::uint64_t digest = 14695981039346656037u;  // FNV-1a
  auto add = [&](const std::string& utf8) {
    const std::string gbk = toGbk(utf8);
    for (char c : char(gbk.size()) + gbk) digest = (digest ^ std::uint8_t(c)) * 1099511628211u;
  };
  for (unsigned c = 0; c < 0x10000; ++c)
    add(c < 0x80 ? std::string{char(c)}
        : c < 0x800
            ? std::string{char(0xC0 | c >> 6), char(0x80 | (c & 63))}
            : std::string{char(0xE0 | c >> 12), char(0x80 | (c >> 6 & 63)), char(0x80 | (c & 63))});
  for (const char* s : {"\xC0\x80", "\xE4\xB8\x41", "\xF4\x90\x80\x80", "\xED\xA0\x80\xED\xB0\x80"})
    add(s);
  EXPECT_EQ(digest, 4539039471549694114u);
}

TEST(ReportText, ZoneBlanksReachTheNextMultipleOf14Bytes) {
  const std::pair<std::vector<std::string>, std::string> rows[] = {
      {{"", "x"}, B(14) + "x"},
      {{std::string(30, 'a'), "x"}, std::string(30, 'a') + B(12) + "x"},
      {{"ab", "", "x"}, "ab" + B(12) + B(14) + "x"},
      {{"砖墙容重：22", "x"}, "砖墙容重：22" + B(2) + "x"},
      {{"😀书", "x"}, "?书" + B(11) + "x"},
      {{"1\r\n2\n3\r", "x"}, "1  2 3 " + B(7) + "x"}};
  for (const auto& [items, utf8] : rows) {
    ReportText text;
    for (std::size_t k = 0; k + 1 < items.size(); ++k) text.add(items[k]).zone();
    text.add(items.back()).end().add("ab").zone();
    EXPECT_EQ(text.bytes(), toGbk(utf8 + "\r\nab" + B(12))) << utf8;
  }
}

TEST(ReportClick, EachRunAppendsAHeaderAndEachClickOneSection) {
  ScratchDir dir;
  const std::string path = dir.file("Quarnel书.txt");
  writeBytes(path, "earlier\r\n");
  MemoryWindow first, second, interior;
  interior.select("Optnq");
  setTexts(interior,
           texts("zxh=B zscg=3.3 qcs=6 hhjscs=5 zjxs=0.85 zsqh=0.24 qcd=5.4 mcmj=3.78 lmjscd=3.9 "
                 "gqc1=2.1 gqds1=1 dhz=45.6 hhz=12.3 zjhh=8.0 hzsjz=65.92 gqsl=7"));
  for (MemoryWindow* run : {&first, &first, &second, &interior}) reportClick(*run, path);
  const std::string opening = golden("header.txt") + golden("exterior_first.txt");
  EXPECT_EQ(readBytes(path), "earlier\r\n" + opening + golden("exterior_later.txt") + opening +
                                 golden("header.txt") + golden("interior.txt"));
}

// counter says "header written" exactly when its leading number rounds, halves to even, to 2.
TEST(ReportClick, CounterReadsAsTwoByTheLeadingNumberRoundedHalfToEven) {
  const std::pair<const char*, bool> rows[] = {
      {"2", true},     {" 2.0", true}, {"1.5", true}, {"2.5", true},   {"2abc", true},
      {"20e-1", true}, {"1", false},   {"", false},   {"2.51", false}, {"65538", false}};
  for (const auto& [counter, written] : rows) {
    ScratchDir dir;
    MemoryWindow w;
    w.setText("counter", counter);
    reportClick(w, dir.file("r.txt"));
    const std::string opening = golden("header.txt") + golden("exterior_first.txt");
    EXPECT_EQ(readBytes(dir.file("r.txt")), written ? golden("exterior_later.txt") : opening)
        << counter;
  }
}

}  // namespace
}  // namespace quarnel::test
