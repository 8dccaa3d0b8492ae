// The real main window under the window system: built from the window table at every screen
// density, typed into from the keyboard, its buttons clicked.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "calc/calculation.h"
#include "win32_test_util.h"

namespace quarnel::test {
namespace {

bool onScreenAsStored(const Control& c) {
  return c.visible &&
         (c.container.empty() || onScreenAsStored(*findControl(mainWindow(), c.container)));
}

// Whether the font of a control has a glyph for every character of text.
bool drawable(HWND control, const std::string& text) {
  std::wstring chars = wide(text);
  std::vector<WORD> glyphs(chars.size());
  HDC dc = GetDC(control);
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  GetGlyphIndicesW(dc, chars.c_str(), static_cast<int>(chars.size()), glyphs.data(),
                   GGI_MARK_NONEXISTING_GLYPHS);
  ReleaseDC(control, dc);
  return std::find(glyphs.begin(), glyphs.end(), 0xFFFF) == glyphs.end();
}

TEST_F(ProgramTest, StartStateAtEveryDensity) {
  EXPECT_TRUE(w.isSelected("optwq") && !w.isSelected("Optnq"));
  EXPECT_EQ(w.focused(), "zxh");
  EXPECT_EQ(SendMessageW(w.control("zjxs"), CB_GETCOUNT, 0, 0), 7);
  for (UINT dpi : {96u, 144u, 192u}) {
    RECT suggested{0, 0, 800, 600}, client, r;
    if (dpi != 96) SendMessageW(w.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), (LPARAM)&suggested);
    GetClientRect(w.hwnd(), &client);
    EXPECT_EQ(client.right, MulDiv(7455, dpi, 1440));
    EXPECT_EQ(client.bottom, MulDiv(3555, dpi, 1440));
    LOGFONTW caption{};
    GetObjectW((HFONT)SendMessageW(w.control("Frame1"), WM_GETFONT, 0, 0), sizeof(caption),
               &caption);
    EXPECT_EQ(caption.lfHeight, -MulDiv(21, dpi, 144));  // 10.5 pt
    EXPECT_EQ(caption.lfWeight, FW_NORMAL);
    for (const Control& c : mainWindow().controls) {
      SCOPED_TRACE(c.name + " at " + std::to_string(dpi));
      HWND h = w.control(c.name);
      EXPECT_EQ(GetParent(h), c.container.empty() ? w.hwnd() : w.control(c.container));
      EXPECT_EQ(w.onScreen(c.name), onScreenAsStored(c));
      wchar_t text[64];
      GetWindowTextW(h, text, 64);
      EXPECT_EQ(utf8(text), c.caption);
      EXPECT_TRUE(drawable(h, c.caption));
      if (c.kind == Kind::Line) continue;
      GetWindowRect(h, &r);
      MapWindowPoints(HWND_DESKTOP, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
      EXPECT_EQ(r.left, MulDiv(c.left, dpi, 1440));
      EXPECT_EQ(r.top, MulDiv(c.top, dpi, 1440));
      EXPECT_EQ(r.right - r.left, MulDiv(c.width, dpi, 1440));
      EXPECT_EQ(r.bottom - r.top, MulDiv(c.height, dpi, 1440));
    }
  }
}

TEST_F(ProgramTest, TypedIntoZrzAndOtherBoxes) {
  ASSERT_TRUE(OpenClipboard(w.hwnd()) && EmptyClipboard());
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, 8);
  lstrcpyW(static_cast<wchar_t*>(GlobalLock(copy)), L"2.5");
  GlobalUnlock(copy);
  SetClipboardData(CF_UNICODETEXT, copy);
  CloseClipboard();
  const char* rows[][3] = {
      {"zrz", "2.5", "25"},     {"zrz", "-+eA 1", " 1"}, {"zrz", "12\b", "1"},
      {"zrz", "中", "中"},      {"zrz", "\x16", "2.5"},  // Ctrl+V pastes
      {"lmdh", "2.5e", "2.5e"}, {"dhz", "5", ""},        {"zjxs", "0.75", "0.75"}};
  for (const auto& row : rows) {
    w.setText(row[0], "");
    w.setFocus(row[0]);
    type(wide(row[1]));
    EXPECT_EQ(w.text(row[0]), row[2]) << row[0] << " " << row[1];
  }
}

// Both worked examples typed from the keyboard alone, stop by stop of the keyboard order: each
// stop's name, "=" and what is typed there. At the option set the arrow key selects 内墙.
const char* const kWalls[][2] = {
    {"zxh optwq zrz=22 crz=0.45 lmhh=2.0 lmdh=3.60 wmhh=0.7 wmdh=7.0 gqsl=1 nrq=6.858 yttccd=1.2 "
     "ytzcd=3.6 zscg=2.9 qcs=6 hhjscs=5 zjxs=0.65 zsqh=0.37 qcd=6.6 mcmj=3.78 lmjscd=3.3",
     "244.219 43.492 28.27 332.64"},
    {"zxh Optnq zrz=22 crz=0.45 lmhh=2.0 lmdh=3.60 wmhh=0.7 wmdh=7.0 gqc1=3.3 gqds1=1 gqc2=2.4 "
     "gqds2=2 zscg=2.9 qcs=6 hhjscs=5 zjxs=0.65 zsqh=0.24 qcd=6.6 mcmj=1.89 lmjscd=3.9",
     "209.261 41.73 27.124 289.088"}};

TEST_F(ProgramTest, WorkedExamplesTypedInTheKeyboardOrder) {
  for (const auto& wall : kWalls) {
    std::istringstream in(std::string(wall[0]) + " cmdjs Cmdjss dhz hhz zjhh hzsjz cmdhelp");
    std::vector<std::string> stops{std::istream_iterator<std::string>(in), {}};
    w.setFocus("zxh");
    for (std::size_t i = 0; i < stops.size(); ++i) {
      if (i > 0) press(VK_TAB);
      if (stops[i] == "Optnq") press(VK_DOWN);
      std::size_t eq = std::min(stops[i].find('='), stops[i].size());
      ASSERT_EQ(w.focused(), stops[i].substr(0, eq));
      type(wide(stops[i].substr(std::min(eq + 1, stops[i].size()))));
      stops[i].resize(eq);
    }
    press(VK_TAB);
    EXPECT_EQ(w.focused(), "zxh");
    for (std::size_t i = stops.size(); i-- > 0;) {
      press(VK_TAB, true);
      ASSERT_EQ(w.focused(), stops[i]) << "Shift+Tab";
    }
    w.setFocus("cmdjs");
    press(VK_SPACE);
    std::istringstream results(wall[1]);
    for (const char* field : kResultFields) {
      std::string result;
      results >> result;
      EXPECT_EQ(w.text(field), result);
    }
  }
  EXPECT_TRUE(boxes.empty());
}

// The real warning box: the active window while it is shown; read and closed with its OK button.
std::vector<Box> shown;
void CALLBACK closeBox(HWND, UINT, UINT_PTR, DWORD) {
  HWND box = GetActiveWindow();
  wchar_t title[16], text[64];
  GetWindowTextW(box, title, 16);
  GetDlgItemTextW(box, 0xFFFF, text, 64);
  if (GetDlgItem(box, IDOK) && !GetDlgItem(box, IDCANCEL))  // one button
    shown.push_back({GetWindow(box, GW_OWNER), utf8(text), utf8(title)});
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST_F(ProgramTest, DefaultWindowCalculateShowsTheWarningBox) {
  w.warningBox = [](HWND owner, const std::wstring& text, const std::wstring& title) {
    UINT_PTR timer = SetTimer(nullptr, 0, 200, closeBox);
    MessageBoxW(owner, text.c_str(), title.c_str(), MB_ICONEXCLAMATION | MB_OK);
    KillTimer(nullptr, timer);
  };
  w.setText("dhz", "1");
  w.setFocus("cmdjs");
  w.click("cmdjs");
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(w.focused(), "cmdjs");  // back where it was when the box closed
  EXPECT_EQ(shown[0].owner, w.hwnd());
  EXPECT_EQ(shown[0].title, "提示");
  EXPECT_EQ(shown[0].text, "墙长度输入错!");
  EXPECT_EQ(w.text("dhz"), "1");
  EXPECT_EQ(w.text("hhz"), "");
}

// The report of the first click of a run in the default window: the header and the first form of
// the exterior section, print zones of 14 columns of GBK bytes.
TEST_F(ProgramTest, ReportClickAppendsTheDefaultReport) {
  auto B = [](int n) { return std::string(n, ' '); };
  const std::string rule(70, '-'),
      lines = rule + "\n" + B(26) + "----Quarnel书----\n" + rule +
              "\n基本数据\n砖墙容重：22(kn/m3)" + B(9) +
              "门窗容重：0.45(kn/m2)\n楼面活荷：2.0(kn/m2)" + B(8) +
              "楼面恒荷：3.60(kn/m2)\n屋面活荷：0.7(kn/m2)" + B(8) + "屋面恒荷：7.0(kn/m2)\n" +
              "女儿墙线荷载：6.858(kn/m)\n" + rule + "\n轴线号:A" + B(6) + "计算类型：外墙\n" +
              "阳台挑出宽度：1.2(m)" + B(8) + "阳台总长度：(m)\n折算层高：(m)" + B(1) +
              "  墙体计算层数：(层)   楼面计算层数：(层)\n活荷折减系数：0.65" + B(10) +
              "折算墙厚：(m)" + B(1) + "    墙长度：(m)\n门窗面积：(m2)" + B(14) +
              "  楼面计算板跨：(m)    隔墙数量：0(道)\n" + "[计算结果]\n恒荷载=(kn/m)" + B(1) +
              "活荷载=(kn/m)\n折减后活荷载=(kn/m)\n" + "设计值=恒荷载+活荷载（折减）=(kn/m)\n" +
              rule + "\n";
  std::wstring u = wide(lines);
  std::string gbk(u.size() * 2, '\0'), expected;
  gbk.resize(WideCharToMultiByte(936, 0, u.c_str(), (int)u.size(), gbk.data(), (int)gbk.size(),
                                 nullptr, nullptr));
  for (char c : gbk) expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
  std::filesystem::path file = std::filesystem::temp_directory_path() / "quarnel-win32-report.txt";
  std::filesystem::remove(file);
  p.reportFiles = {utf8(file.wstring()), ""};
  w.setFocus("crz");
  w.click("Cmdjss");
  std::ifstream in(file, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), expected);
  EXPECT_EQ(w.text("counter"), "2");
  EXPECT_EQ(w.focused(), "zxh");
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
}  // namespace quarnel::test
