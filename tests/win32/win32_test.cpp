// The Windows windows under both contracts, driven by real messages and keys, and what only they
// have: screen densities, the paste into zrz, the report, the help window and the program's end.
#include <gtest/gtest.h>
#include <oleacc.h>
#include <shlobj.h>
#include <windows.h>
// after windows.h
#include <commctrl.h>
#include <tlhelp32.h>

#include <iostream>

#include "../common/test_support.h"
#include "../contract/window_contract.h"
#include "ui/events.h"
#include "ui/help_text.h"
#include "ui/win32/program.h"

namespace quarnel::test {
namespace {

// Handles messages until none waits (the posted ones, and what they caused), or fails after 20 s.
void settle() {
  for (DWORD start = GetTickCount(); pumpMessages(false), HIWORD(GetQueueStatus(QS_POSTMESSAGE));)
    if (GetTickCount() - start > 20000) return ADD_FAILURE() << "waited 20 s in vain";
}

// The system's warning box, read when owned by the main window with one button, closed with OK.
HWND mainWindowShown;
std::vector<std::string>* boxesShown;
void CALLBACK closeBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = FindWindowW(L"#32770", nullptr);
  wchar_t title[16], text[256];
  GetWindowTextW(box, title, 16);
  GetDlgItemTextW(box, 0xFFFF, text, 256);
  if (box && GetWindow(box, GW_OWNER) == mainWindowShown && !GetDlgItem(box, IDCANCEL))
    boxesShown->push_back(utf8(title) + "|" + utf8(text));
  if (box) KillTimer(nullptr, timer), PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// The accessible name a screen reader reads for a window, as the program's objects answer it.
std::string accessibleName(HWND control) {
  const IID iAccessible = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0, 0xAA, 0, 0x38, 0x9B, 0x71}};
  IAccessible* object = nullptr;
  BSTR name = nullptr;
  VARIANT self{};
  self.vt = VT_I4, self.lVal = CHILDID_SELF;
  if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, iAccessible, (void**)&object)))
    return "(no object)";
  object->get_accName(self, &name), object->Release();
  std::string said = name ? utf8(name) : "";
  return SysFreeString(name), said;
}

// Characters go to the focused control as Unicode input, keys as posted messages.
class Win32Harness : public RealWindowHarness {
 public:
  Win32Harness() {
    w.warningBox = [this, box = w.warningBox](HWND owner, const std::wstring& text,
                                              const std::wstring& title) {
      mainWindowShown = w.hwnd(), boxesShown = &boxes;
      SetTimer(nullptr, 0, 10, closeBox);
      box(owner, text, title);
    };
    p.show();
    settle();
  }
  Window& window() override { return w; }
  Shell& shell() override { return p.shell(); }
  void pick(const std::string& name) override {
    (name == "cmdoff" ? *p.help().window() : w).click(name);
    settle();
  }
  void type(const std::string& field, const std::string& text) override {
    w.setFocus(field);
    for (wchar_t c : wide(text)) {  // as Unicode input: a VK_PACKET key pressed and released
      INPUT keys[2] = {};
      for (INPUT& k : keys)
        k.type = INPUT_KEYBOARD, k.ki.wScan = c, k.ki.dwFlags = KEYEVENTF_UNICODE;
      keys[1].ki.dwFlags |= KEYEVENTF_KEYUP;
      SendInput(2, keys, sizeof(INPUT)), settle();
    }
  }
  bool onScreen(const std::string& name) override { return w.onScreen(name); }
  std::string focus() override {  // in the help window while it has the focus
    const std::string help = p.help().window() ? p.help().window()->focused() : "";
    return help.empty() ? w.focused() : help;
  }
  std::vector<std::string> warnings() override { return boxes; }
  void guard(const std::function<void()>& handler) override { guarded(w, handler); }
  void press(Key key) override {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = key == Key::ShiftTab ? 0x80 : 0;
    SetKeyboardState(keys);
    const WORD codes[] = {VK_TAB, VK_TAB, VK_DOWN, VK_RETURN};
    PostMessageW(GetFocus(), WM_KEYDOWN, codes[int(key)], 1);
    PostMessageW(GetFocus(), WM_KEYUP, codes[int(key)], 0xC0000001);
    settle();
  }
  std::array<int, 4> geometry(const std::string& name) override {
    RECT r;
    name.empty() ? GetClientRect(w.hwnd(), &r) : GetWindowRect(w.control(name), &r);
    if (!name.empty()) MapWindowPoints(nullptr, GetParent(w.control(name)), (POINT*)&r, 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
  }
  bool fixedSize() override {
    return !(GetWindowLongW(w.hwnd(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX));
  }
  std::string listed(int i) override {
    wchar_t entry[64] = L"";  // stays empty past the end
    return SendMessageW(w.control("zjxs"), CB_GETLBTEXT, i, (LPARAM)entry), utf8(entry);
  }
  bool helpOpen() override { return p.help().isLoaded(); }
  std::string tooltip(const std::string& name) override {  // of the main window's tooltip control
    HWND tip = nullptr, control = w.control(name);
    while ((tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) &&
           GetWindow(tip, GW_OWNER) != w.hwnd()) {
    }
    wchar_t text[80] = L"";
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE, info.hwnd = GetParent(control), info.uId = UINT_PTR(control);
    info.lpszText = text;
    return SendMessageW(tip, TTM_GETTEXTW, 80, LPARAM(&info)), utf8(text);
  }
  std::string accessibleName(const std::string& name) override {  // and a combo box's edit field
    HWND control = name == "txthelp" ? p.help().window()->control(name) : w.control(name);
    COMBOBOXINFO box{};
    box.cbSize = sizeof(box);
    const std::string said = quarnel::test::accessibleName(control);
    if (GetComboBoxInfo(control, &box) && quarnel::test::accessibleName(box.hwndItem) != said)
      return "edit field: " + quarnel::test::accessibleName(box.hwndItem);
    return said;
  }
  std::string labelOf(const std::string& field) override {  // the window created just before it
    HWND before = GetWindow(w.control(field), GW_HWNDPREV);
    wchar_t kind[16] = L"", text[64] = L"";
    GetClassNameW(before, kind, 16), GetWindowTextW(before, text, 64);
    return _wcsicmp(kind, L"static") == 0 ? utf8(text) : "";
  }

  Win32Program p;
  Win32Window& w = p.main();
  std::vector<std::string> boxes;
};

std::unique_ptr<WindowHarness> makeWin32Harness() {
  return std::make_unique<Win32Harness>();
}

const auto kWin32 = testing::Values(Implementation{"win32", &makeWin32Harness});
INSTANTIATE_TEST_SUITE_P(Win32, WindowContract, kWin32, testing::PrintToStringParamName());
INSTANTIATE_TEST_SUITE_P(Win32, RealWindowContract, kWin32, testing::PrintToStringParamName());

class Win32Test : public testing::Test, public Win32Harness {};

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

// The window's rectangle each time it is moved or sized.
std::vector<RECT> placed;
LRESULT CALLBACK recordPlaces(HWND h, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  RECT r;
  if (m == WM_WINDOWPOSCHANGED && GetWindowRect(h, &r)) placed.push_back(r);
  return DefSubclassProc(h, m, wp, lp);
}

// Each change of density as Windows 10 makes it: the window's size at the new density (scaled
// from the old one unless the window asks for another), then the change with the suggested
// rectangle, which the window takes at once; every control shown waits to be drawn anew. The
// first change keeps 96 dpi and moves the window only: what is redrawn then is the window's own
// doing, not the system's after a resize. The window's small and large icons are the density's.
TEST_F(Win32Test, LaidOutAndLetteredAtEveryDensity) {
  const int densities[][6] = {
      {96, 497, 237, 14, 16, 32}, {144, 746, 356, 21, 24, 48}, {192, 994, 474, 28, 32, 64}};
  auto iconWidth = [this](WPARAM which) {
    ICONINFO icon{};
    BITMAP mask{};
    GetIconInfo(HICON(SendMessageW(w.hwnd(), WM_GETICON, which, 0)), &icon);
    GetObjectW(icon.hbmMask, sizeof mask, &mask);
    return DeleteObject(icon.hbmColor), DeleteObject(icon.hbmMask), int(mask.bmWidth);
  };
  SetWindowSubclass(w.hwnd(), recordPlaces, 1, 0);
  int old = 96;
  for (const auto& [dpi, width, height, font, small, big] : densities) {
    RECT now;
    GetWindowRect(w.hwnd(), &now);
    SIZE size{MulDiv(now.right - now.left, dpi, old), MulDiv(now.bottom - now.top, dpi, old)};
    SendMessageW(w.hwnd(), kGetDpiScaledSize, dpi, (LPARAM)&size);
    const RECT suggested{now.left + 9, now.top + 7, now.left + 9 + size.cx, now.top + 7 + size.cy};
    placed.clear();
    SendMessageW(w.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), (LPARAM)&suggested);
    EXPECT_TRUE(!placed.empty() && EqualRect(&placed[0], &suggested));
    old = dpi;
    EXPECT_EQ(geometry(""), (std::array{0, 0, width, height}));
    LOGFONTW caption{};
    GetObjectW((HFONT)SendMessageW(w.control("Frame1"), WM_GETFONT, 0, 0), sizeof(caption),
               &caption);
    EXPECT_EQ(caption.lfHeight, -font);
    EXPECT_EQ(caption.lfWeight, FW_NORMAL);
    EXPECT_EQ(std::make_pair(iconWidth(ICON_SMALL), iconWidth(ICON_BIG)),
              std::make_pair(small, big));
    for (const Control& c : mainWindow().controls) {
      SCOPED_TRACE(c.name + " at " + std::to_string(dpi));
      HWND h = w.control(c.name);
      wchar_t text[64];
      GetWindowTextW(h, text, 64);
      EXPECT_EQ(utf8(text), c.caption);
      EXPECT_TRUE(drawable(h, c.caption));
      EXPECT_EQ(GetParent(h), c.container.empty() ? w.hwnd() : w.control(c.container));
      RECT all, invalid{};
      GetClientRect(h, &all);
      EXPECT_TRUE(!IsWindowVisible(h) ||
                  (GetUpdateRect(h, &invalid, FALSE) && EqualRect(&invalid, &all)));
      if (c.kind == Kind::Line) continue;
      const std::array rect = {c.left, c.top, c.width, c.height};
      for (int k = 0; k < 4; ++k) EXPECT_NEAR(geometry(c.name)[k], rect[k] * dpi / 1440.0, 0.5);
    }
  }
}

// High contrast switched on (a theme's black face, yellow text) and off: Frame4's caption (its top
// left 100 x 14 pixels) and line (153, 50) in the text colour, then blue and grey, pixel for pixel,
// again. Wine cannot switch it: the test answers the window's question and tells it as Windows
// does.
TEST_F(Win32Test, CaptionsAndLinesFollowHighContrast) {
  const int elements[] = {COLOR_BTNFACE, COLOR_BTNTEXT};
  const COLORREF theme[] = {RGB(0, 0, 0), RGB(255, 255, 0)};
  const COLORREF normal[] = {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT)};
  bool on = false;
  w.highContrast = [&on] { return on; };
  std::vector<std::vector<COLORREF>> shown;  // each time: the caption's pixels, then the line's
  for (bool contrast : {false, true, false}) {
    SetSysColors(2, elements, contrast ? theme : normal);
    on = contrast;
    SendMessageW(w.hwnd(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    settle();
    RedrawWindow(w.hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC frame = GetDC(w.control("Frame4"));
    std::vector<COLORREF>& p = shown.emplace_back();
    for (int k = 0; k <= 1400; ++k)
      p.push_back(k < 1400 ? GetPixel(frame, k % 100, k / 100) : GetPixel(frame, 153, 50));
    ReleaseDC(w.control("Frame4"), frame);
    auto tinted = [&p](int blue) {  // pixels far bluer than red and green (-1: the reverse)
      return std::count_if(p.begin(), p.end() - 1, [blue](COLORREF c) {
               return (GetBValue(c) - std::min(GetRValue(c), GetGValue(c))) * blue > 60;
             }) > 20;
    };
    EXPECT_EQ(std::make_tuple(p[0], p[1400], tinted(1), tinted(-1)),
              contrast ? std::make_tuple(theme[0], theme[1], false, true)
                       : std::make_tuple(normal[0], RGB(128, 128, 128), true, false));
  }
  EXPECT_TRUE(shown[2] == shown[0]) << "the frame is not drawn as it was";
}

TEST_F(Win32Test, PasteAndControlCharactersPassTheZrzFilter) {
  w.setText("zxh", "2.5");  // copied
  SendMessageW(w.control("zxh"), EM_SETSEL, 0, -1);
  SendMessageW(w.control("zxh"), WM_COPY, 0, 0);
  const char* rows[][3] = {{"zrz", "12\b", "1"}, {"zrz", "\x16", "2.5"}, {"dhz", "5", ""}};
  for (const auto& row : rows) {  // \b Backspace, \x16 Ctrl+V; dhz is read-only
    w.setText(row[0], "");
    type(row[0], row[1]);
    EXPECT_EQ(w.text(row[0]), row[2]) << row[0] << " " << row[1];
  }
}

// Its own files: c:\Quarnel书.txt refused (a folder), both reports go to Documents, told once.
TEST_F(Win32Test, ARefusedDriveCSendsTheReportsToDocumentsSayingSoOnce) {
  wchar_t documents[MAX_PATH];
  ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, documents), S_OK);
  const fs::path c = L"c:\\Quarnel书.txt", docs = fs::path(documents) / L"Quarnel书.txt";
  ASSERT_FALSE(fs::exists(c) || fs::exists(docs)) << docs << " or " << c << " stands already";
  fs::create_directory(c);
  pick("Cmdjss"), pick("Cmdjss");
  const std::string reports = readBytes(docs.u8string());
  fs::remove(c), fs::remove(docs);
  EXPECT_EQ(reports,
            golden("header.txt") + golden("exterior_first.txt") + golden("exterior_later.txt"));
  EXPECT_TRUE(boxes.size() == 1 && boxes[0].find(docs.u8string()) != std::string::npos);
}

TEST_F(Win32Test, HelpWindowIsOneAndRebuiltAfterClose) {
  std::string text = helpText(), display;  // a CR that no LF follows shows nothing
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] != '\r' || text[i + 1] == '\n') display += text[i];
  w.click("cmdhelp");
  Win32Window* help = p.help().window();
  ASSERT_TRUE(help);
  HWND first = help->hwnd();
  wchar_t showing[4096];
  GetWindowTextW(help->control("txthelp"), showing, 4096);
  EXPECT_EQ(utf8(showing), display);
  EXPECT_EQ(help->text("txthelp"), text);
  EXPECT_EQ(help->focused(), "txthelp");
  EXPECT_TRUE(IsWindowVisible(first) && !GetWindow(first, GW_OWNER) &&
              (GetWindowLongW(first, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) &&
              !(GetWindowLongW(first, GWL_STYLE) & (WS_THICKFRAME | WS_MINIMIZEBOX)));

  help->setText("txthelp", "x");  // a second click neither builds another window nor the text
  w.click("cmdhelp");
  EXPECT_TRUE(FindWindowW(nullptr, L"使用说明") == first &&
              !FindWindowExW(nullptr, first, nullptr, L"使用说明"));
  EXPECT_EQ(help->text("txthelp"), "x");

  for (bool closeBox : {true, false}) {  // closed by its close box, then by cmdoff
    help->setText("txthelp", text);
    SendMessageW(help->control("txthelp"), EM_LINESCROLL, 0, 8);
    EXPECT_GT(SendMessageW(help->control("txthelp"), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    closeBox ? (void)SendMessageW(help->hwnd(), WM_CLOSE, 0, 0) : help->click("cmdoff");
    EXPECT_TRUE(!p.help().window() && !FindWindowW(nullptr, L"使用说明") && IsWindow(w.hwnd()));
    w.click("cmdhelp");
    ASSERT_TRUE(help = p.help().window());
    EXPECT_EQ(help->text("txthelp"), text);
    EXPECT_EQ(SendMessageW(help->control("txthelp"), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  }
}

// The modules a process has loaded, each name followed by a blank.
std::wstring modulesOf(DWORD process) {
  std::wstring names;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, process);
  MODULEENTRY32W module{};
  module.dwSize = sizeof module;
  for (BOOL more = Module32FirstW(snapshot, &module); more; more = Module32NextW(snapshot, &module))
    names += std::wstring(module.szModule) + L" ";
  CloseHandle(snapshot);
  return names;
}

// quarnel.exe as a user starts it, its window up, has loaded neither oleacc nor oleaut32 (the test
// lists its modules); a screen reader's request for a field's object loads them, and is answered.
TEST(Win32Program, LoadsWhatScreenReadersNeedWhenOneFirstAsks) {
  STARTUPINFOW start{};
  start.cb = sizeof start;
  PROCESS_INFORMATION program{};
  std::wstring command = L"\"" + wide(QUARNEL_PROGRAM) + L"\"";
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &start, &program));
  // The main window exists before its controls do: wait until the program waits for input with
  // the window shown (this test has no window of its own with that title).
  WaitForInputIdle(program.hProcess, 20000);
  HWND main = nullptr, field = nullptr;
  for (DWORD begun = GetTickCount(); !field && GetTickCount() - begun < 20000; Sleep(50)) {
    main = FindWindowW(kWindowClass, L"砖混Quarnel器");
    HWND frame = main ? FindWindowExW(main, nullptr, L"Button", L"计算数据") : nullptr;
    HWND caption = frame ? FindWindowExW(frame, nullptr, L"Static", L"墙  长度") : nullptr;
    field = caption && IsWindowVisible(main) ? GetWindow(caption, GW_HWNDNEXT) : nullptr;
  }
  ASSERT_TRUE(field) << "no window with its fields within 20 s";
  const std::wstring loaded = modulesOf(program.dwProcessId);
  std::cout << "quarnel.exe with its window up: " << utf8(loaded) << "\n";
  EXPECT_EQ(loaded.find(L"oleacc.dll"), std::wstring::npos);
  EXPECT_EQ(loaded.find(L"oleaut32.dll"), std::wstring::npos);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // the object comes from another process
  EXPECT_EQ(accessibleName(field), "墙长度 (m)");
  CoUninitialize();
  EXPECT_NE(modulesOf(program.dwProcessId).find(L"oleacc.dll"), std::wstring::npos);
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(program.hProcess, 20000), WAIT_OBJECT_0);
  CloseHandle(program.hProcess), CloseHandle(program.hThread);
}

TEST(Win32Program, EndsWhenTheLastWindowCloses) {
  for (bool helpOpen : {false, true}) {
    Win32Program program;
    program.show();
    if (helpOpen) program.main().click("cmdhelp");
    PostMessageW(program.main().hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(pumpMessages(false), helpOpen);  // false: the loop was told to end
    EXPECT_EQ(program.main().hwnd(), nullptr);
    if (!helpOpen) continue;
    program.help().window()->click("cmdoff");
    EXPECT_FALSE(pumpMessages(false));
  }
}

}  // namespace
}  // namespace quarnel::test
