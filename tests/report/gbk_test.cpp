#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "gbk_table.h"

namespace quarnel {
namespace {

// Bytes from the GBK code chart and from code page 936: the euro sign is the single byte 0x80,
// the Private Use Area begins the user-defined rows AAA1 and F8A1 and the row A140 (whose trail
// bytes skip 0x7F), and U+F8F5 is the single byte 0xFF.
TEST(Gbk, PrivateUseAreaAndEuroFollowCodePage936) {
  const struct {
    unsigned cp;
    const char* gbk;
  } rows[] = {{0x20AC, "\x80"},     {0xE000, "\xAA\xA1"}, {0xE233, "\xAF\xFE"},
              {0xE234, "\xF8\xA1"}, {0xE4C5, "\xFE\xFE"}, {0xE4C6, "\xA1\x40"},
              {0xE504, "\xA1\x7E"}, {0xE505, "\xA1\x80"}, {0xE765, "\xA7\xA0"},
              {0xF8F5, "\xFF"},     {0xE865, "?"},        {0x554A, "\xB0\xA1"}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.cp);
    EXPECT_EQ(toGbk(test::utf8(r.cp)), r.gbk);
  }
}

#ifdef QUARNEL_GBK_PEER
// The Windows converter and the Linux one give the same bytes for every code point of the plane
// and for every string that is not UTF-8; the Linux table was written by the Linux build.
TEST(Gbk, WindowsAndLinuxWriteTheSameBytes) {
  std::ifstream in(QUARNEL_GBK_PEER, std::ios::binary);
  ASSERT_TRUE(in) << "no table of the Linux build at " << QUARNEL_GBK_PEER;
  std::string linux{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::string windows = test::gbkTable();
  std::size_t a = 0, b = 0, entry = 0;
  for (; a < linux.size() && b < windows.size(); ++entry) {
    std::string l = linux.substr(a + 1, std::size_t(linux[a])),
                w = windows.substr(b + 1, std::size_t(windows[b]));
    ASSERT_EQ(l, w) << "entry " << std::hex << entry << " (below 0x10000: that code point)";
    a += l.size() + 1;
    b += w.size() + 1;
  }
  EXPECT_EQ(linux.size(), a);
  EXPECT_EQ(windows.size(), b);
  EXPECT_EQ(entry, 0x10000u + std::size(test::kNotUtf8));
}
#endif

}  // namespace
}  // namespace quarnel
