// The real main window under the window system: built from the window table at every screen
// density, typed into from the keyboard, its three buttons clicked.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "calc/calculation.h"
#include "win32_test_util.h"

namespace quarnel::test {
namespace {

bool onScreenAsStored(const Control& c) {
  for (const Control* k = &c; k;
       k = k->container.empty() ? nullptr : findControl(mainWindow(), k->container))
    if (!k->visible) return false;
  return true;
}

// Whether the font of a control has a glyph for every character of text.
bool drawable(HWND control, const std::string& text) {
  std::wstring chars = wide(text);
  std::vector<WORD> glyphs(chars.size());
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  GetGlyphIndicesW(dc, chars.c_str(), static_cast<int>(chars.size()), glyphs.data(),
                   GGI_MARK_NONEXISTING_GLYPHS);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  for (WORD g : glyphs)
    if (g == 0xFFFF) return false;
  return true;
}

TEST_F(ProgramTest, StartStateAtEveryDensity) {
  EXPECT_TRUE(w.isSelected("optwq"));
  EXPECT_FALSE(w.isSelected("Optnq"));
  EXPECT_EQ(w.focused(), "zxh");
  for (UINT dpi : {96u, 144u, 192u}) {
    RECT suggested{0, 0, 800, 600};
    if (dpi != 96)
      SendMessageW(w.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&suggested));
    RECT client;
    GetClientRect(w.hwnd(), &client);
    EXPECT_EQ(client.right, MulDiv(7455, dpi, 1440));
    EXPECT_EQ(client.bottom, MulDiv(3555, dpi, 1440));
    LOGFONTW caption{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(w.control("Frame1"), WM_GETFONT, 0, 0)),
               sizeof(caption), &caption);
    EXPECT_EQ(caption.lfHeight, -MulDiv(21, dpi, 144));
    EXPECT_EQ(caption.lfWeight, FW_NORMAL);
    for (const Control& c : mainWindow().controls) {
      SCOPED_TRACE(c.name + " at " + std::to_string(dpi));
      HWND h = w.control(c.name);
      EXPECT_EQ(GetParent(h), c.container.empty() ? w.hwnd() : w.control(c.container));
      EXPECT_EQ(w.onScreen(c.name), onScreenAsStored(c));
      if (c.kind == Kind::Line) continue;
      RECT r;
      GetWindowRect(h, &r);
      MapWindowPoints(HWND_DESKTOP, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
      EXPECT_EQ(r.left, MulDiv(c.left, dpi, 1440));
      EXPECT_EQ(r.top, MulDiv(c.top, dpi, 1440));
      EXPECT_EQ(r.right - r.left, MulDiv(c.width, dpi, 1440));
      EXPECT_EQ(r.bottom - r.top, MulDiv(c.height, dpi, 1440));
      EXPECT_TRUE(drawable(h, c.caption));
    }
  }
}

TEST_F(ProgramTest, ControlsOfTheirKind) {
  const std::map<Kind, std::pair<const wchar_t*, LONG>> kinds = {
      {Kind::Frame, {L"Button", BS_GROUPBOX}},
      {Kind::Option, {L"Button", BS_AUTORADIOBUTTON}},
      {Kind::Button, {L"Button", BS_PUSHBUTTON}},
      {Kind::TextBox, {L"Edit", 0}},
      {Kind::ComboBox, {L"ComboBox", CBS_DROPDOWN}},
      {Kind::Label, {L"Static", 0}},
      {Kind::Line, {L"Static", 0}}};
  for (const Control& c : mainWindow().controls) {
    SCOPED_TRACE(c.name);
    HWND h = w.control(c.name);
    wchar_t cls[32];
    GetClassNameW(h, cls, 32);
    EXPECT_EQ(lstrcmpiW(cls, kinds.at(c.kind).first), 0);
    LONG style = GetWindowLongW(h, GWL_STYLE);
    LONG mask = c.kind == Kind::TextBox                           ? ES_READONLY
                : c.kind == Kind::ComboBox                        ? 3
                : c.kind == Kind::Frame || c.kind == Kind::Option ? BS_TYPEMASK
                                                                  : 0;
    LONG expected = c.kind == Kind::TextBox && c.readOnly ? ES_READONLY : kinds.at(c.kind).second;
    EXPECT_EQ(style & mask, expected & mask);
    wchar_t text[64];
    GetWindowTextW(h, text, 64);
    EXPECT_EQ(utf8(text), c.caption);
  }
  EXPECT_EQ(SendMessageW(w.control("zjxs"), CB_GETCOUNT, 0, 0), 7);
}

TEST_F(ProgramTest, TypedIntoZrzAndAnotherBox) {
  const struct {
    const char* box;
    std::wstring typed;
    const char* text;
  } rows[] = {{"zrz", L"2.5", "25"},
              {"zrz", L"-+eA 1", " 1"},
              {"zrz", L"12\b", "1"},
              {"zrz", L"中", "中"},
              {"lmdh", L"2.5e", "2.5e"}};
  for (const auto& row : rows) {
    w.setText(row.box, "");
    w.setFocus(row.box);
    type(row.typed);
    EXPECT_EQ(w.text(row.box), row.text) << row.box << " " << utf8(row.typed);
  }
  w.setText("zrz", "");
  ASSERT_TRUE(OpenClipboard(w.hwnd()));
  EmptyClipboard();
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, 8);
  lstrcpyW(static_cast<wchar_t*>(GlobalLock(copy)), L"2.5");
  GlobalUnlock(copy);
  SetClipboardData(CF_UNICODETEXT, copy);
  CloseClipboard();
  w.setFocus("zrz");
  type(L"\x16");  // Ctrl+V
  EXPECT_EQ(w.text("zrz"), "2.5");
}

struct Stop {
  const char* name;
  const wchar_t* typed;
};
// Both walls of the worked examples, typed from the keyboard alone in the keyboard order.
const std::vector<Stop> kExterior = {
    {"zxh", L""},       {"optwq", L""},    {"zrz", L"22"},   {"crz", L"0.45"},  {"lmhh", L"2.0"},
    {"lmdh", L"3.60"},  {"wmhh", L"0.7"},  {"wmdh", L"7.0"}, {"gqsl", L"1"},    {"nrq", L"6.858"},
    {"yttccd", L"1.2"}, {"ytzcd", L"3.6"}, {"zscg", L"2.9"}, {"qcs", L"6"},     {"hhjscs", L"5"},
    {"zjxs", L"0.65"},  {"zsqh", L"0.37"}, {"qcd", L"6.6"},  {"mcmj", L"3.78"}, {"lmjscd", L"3.3"}};
const std::vector<Stop> kInterior = {
    {"zxh", L""},      {"Optnq", L""},    {"zrz", L"22"},   {"crz", L"0.45"},  {"lmhh", L"2.0"},
    {"lmdh", L"3.60"}, {"wmhh", L"0.7"},  {"wmdh", L"7.0"}, {"gqc1", L"3.3"},  {"gqds1", L"1"},
    {"gqc2", L"2.4"},  {"gqds2", L"2"},   {"zscg", L"2.9"}, {"qcs", L"6"},     {"hhjscs", L"5"},
    {"zjxs", L"0.65"}, {"zsqh", L"0.24"}, {"qcd", L"6.6"},  {"mcmj", L"1.89"}, {"lmjscd", L"3.9"}};

TEST_F(ProgramTest, WorkedExamplesTypedInTheKeyboardOrder) {
  const struct {
    const std::vector<Stop>& stops;
    std::vector<const char*> results;
  } walls[] = {{kExterior, {"244.219", "43.492", "28.27", "332.64"}},
               {kInterior, {"209.261", "41.73", "27.124", "289.088"}}};
  for (const auto& wall : walls) {
    std::vector<Stop> stops = wall.stops;
    for (const char* last : {"cmdjs", "Cmdjss", "dhz", "hhz", "zjhh", "hzsjz", "cmdhelp"})
      stops.push_back({last, L""});
    w.setFocus("zxh");
    for (std::size_t i = 0; i < stops.size(); ++i) {
      if (i > 0) press(VK_TAB);
      if (stops[i].name == std::string("Optnq")) press(VK_DOWN);  // from optwq, selecting Optnq
      ASSERT_EQ(w.focused(), stops[i].name);
      type(stops[i].typed);
    }
    press(VK_TAB);
    EXPECT_EQ(w.focused(), "zxh");
    for (std::size_t i = stops.size(); i-- > 0;) {
      press(VK_TAB, true);
      ASSERT_EQ(w.focused(), stops[i].name) << "Shift+Tab";
    }
    w.setFocus("cmdjs");
    press(VK_SPACE);
    for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(w.text(kResultFields[k]), wall.results[k]);
  }
  EXPECT_TRUE(boxes.empty());
}

// The real warning box, found among the thread's windows, read and closed by its OK button.
struct ShownBox {
  HWND owner;
  std::string title, text;
  bool okOnly;
};
std::vector<ShownBox> shownBoxes;
void CALLBACK closeBox(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND box, LPARAM) {
        wchar_t cls[16], title[16], text[64];
        GetClassNameW(box, cls, 16);
        if (lstrcmpW(cls, L"#32770") != 0 || !IsWindowVisible(box)) return TRUE;
        GetWindowTextW(box, title, 16);
        GetDlgItemTextW(box, 0xFFFF, text, 64);
        bool okOnly = GetDlgItem(box, IDOK) && !GetDlgItem(box, IDCANCEL);
        shownBoxes.push_back({GetWindow(box, GW_OWNER), utf8(title), utf8(text), okOnly});
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        return TRUE;
      },
      0);
}

TEST_F(ProgramTest, DefaultWindowCalculateShowsTheWarningBox) {
  w.warningBox = [](HWND owner, const std::wstring& text, const std::wstring& title) {
    UINT_PTR timer = SetTimer(nullptr, 0, 200, closeBox);
    MessageBoxW(owner, text.c_str(), title.c_str(), MB_ICONEXCLAMATION | MB_OK);
    KillTimer(nullptr, timer);
  };
  w.setText("dhz", "1");
  w.click("cmdjs");
  ASSERT_EQ(shownBoxes.size(), 1u);
  EXPECT_EQ(shownBoxes[0].owner, w.hwnd());
  EXPECT_EQ(shownBoxes[0].title, "提示");
  EXPECT_EQ(shownBoxes[0].text, "墙长度输入错!");
  EXPECT_TRUE(shownBoxes[0].okOnly);
  EXPECT_EQ(w.text("dhz"), "1");
  EXPECT_EQ(w.text("hhz"), "");
}

// The report of the first click of a run in the default window: header and the first form of
// the exterior section, each print zone 14 columns of GBK bytes.
std::string gbk(const std::string& text) {
  std::wstring u = wide(text);
  std::string out(u.size() * 2, '\0');
  out.resize(WideCharToMultiByte(936, 0, u.c_str(), static_cast<int>(u.size()), out.data(),
                                 static_cast<int>(out.size()), nullptr, nullptr));
  return out;
}

TEST_F(ProgramTest, ReportClickAppendsTheDefaultReport) {
  const std::string rule(70, '-'), b1(1, ' ');
  const std::string lines[] = {
      rule,
      std::string(26, ' ') + "----Quarnel书----",
      rule,
      "基本数据",
      "砖墙容重：22(kn/m3)" + std::string(9, ' ') + "门窗容重：0.45(kn/m3)",
      "楼面活荷：2.0(kn/m2)" + std::string(8, ' ') + "楼面恒荷：3.60(kn/m2)",
      "屋面活荷：0.7(kn/m2)" + std::string(8, ' ') + "屋面恒荷：7.0(kn/m2)",
      "女儿墙线荷载：6.858(kn/m)",
      rule,
      "轴线号:A" + std::string(6, ' ') + "计算类型：外墙",
      "阳台挑出宽度：1.2(m)" + std::string(8, ' ') + "阳台总长度：(m)",
      "折算层高：(m)" + b1 + "  墙体计算层数：(层)   楼面计算层数：(层)",
      "活荷折减系数：0.65" + std::string(10, ' ') + "折算墙厚：(m)" + b1 + "    墙长度：(m)",
      "门窗面积：(m2)" + std::string(14, ' ') + "  楼面计算板跨：(m)    隔墙数量：0(道)",
      "[计算结果]",
      "恒荷载=(kn/m)" + b1 + "活荷载=(kn/m)",
      "折减后活荷载=(kn/m)",
      "设计值=恒荷载+活荷载（折减）=(kn/m)",
      rule};
  std::string expected;
  for (const std::string& line : lines) expected += gbk(line) + "\r\n";
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  p.reportFile = utf8(folder) + "quarnel-win32-report.txt";
  DeleteFileW(wide(p.reportFile).c_str());
  w.setFocus("crz");
  w.click("Cmdjss");
  std::ifstream in(std::filesystem::path(wide(p.reportFile)), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), expected);
  EXPECT_EQ(w.text("counter"), "2");
  EXPECT_EQ(w.focused(), "zxh");
  EXPECT_TRUE(boxes.empty());
  in.close();
  DeleteFileW(wide(p.reportFile).c_str());
}

}  // namespace
}  // namespace quarnel::test
