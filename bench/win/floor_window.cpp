// The floors of the Windows start-up comparison, with the program's resources (icon, manifest):
//   floor_window bare    one empty fixed-size window with the main window's title and client size
//   floor_window plain   the same window holding the 81 controls of the stored description as plain
//                        STATIC, EDIT, BUTTON and COMBOBOX controls with their texts, inside their
//                        frames at their stored geometry, hidden where stored so, in the
//                        program's two fonts (found as the program finds them)
#include <windows.h>

#include <algorithm>
#include <map>
#include <string>

#include "ui/win32/fonts.h"
#include "ui/win32/win32_window.h"
#include "ui/window_table.h"

namespace {

using namespace quarnel;

std::wstring wide(const std::string& s) {
  std::wstring w(MultiByteToWideChar(CP_UTF8, 0, s.data(), int(s.size()), nullptr, 0), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s.data(), int(s.size()), w.data(), int(w.size()));
  return w;
}

LRESULT CALLBACK windowProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(w, msg, wp, lp);
}

// The empty window, sized for the density of its screen, which it returns in dpi.
HWND bareWindow(HINSTANCE instance, UINT& dpi) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = windowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(instance, L"IDI_ICON1");
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = L"QuarnelFloor";
  RegisterClassExW(&wc);
  const WindowDesc& desc = mainWindow();
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  HWND window =
      CreateWindowExW(0, wc.lpszClassName, wide(desc.caption).c_str(), style, CW_USEDEFAULT,
                      CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, nullptr);
  dpi = windowDpi(window);
  RECT r{0, 0, scaled(desc.clientWidth, dpi), scaled(desc.clientHeight, dpi)};
  AdjustWindowRectEx(&r, style, FALSE, 0);
  SetWindowPos(window, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return window;
}

void addControls(HWND window, HINSTANCE instance, UINT dpi) {
  HFONT text = createTextFont(dpi), caption = createCaptionFont(dpi);
  std::map<std::string, HWND> made{{"", window}};
  for (const Control& c : mainWindow().controls) {
    const wchar_t* cls = L"BUTTON";
    DWORD style = WS_CHILD | (c.visible ? WS_VISIBLE : 0), ex = 0;
    int l = c.left, t = c.top, w = c.width, h = c.height;
    switch (c.kind) {
      case Kind::Frame:
        style |= BS_GROUPBOX, ex = WS_EX_CONTROLPARENT;
        break;
      case Kind::Option:
        style |= BS_AUTORADIOBUTTON | WS_TABSTOP;
        break;
      case Kind::Button:
        style |= BS_PUSHBUTTON | WS_TABSTOP;
        break;
      case Kind::TextBox:
        cls = L"EDIT", ex = WS_EX_CLIENTEDGE;
        style |= ES_AUTOHSCROLL | WS_TABSTOP | (c.readOnly ? ES_READONLY : 0);
        break;
      case Kind::ComboBox:
        cls = L"COMBOBOX", style |= CBS_DROPDOWN | WS_TABSTOP | WS_VSCROLL;
        break;
      case Kind::Label:
        cls = L"STATIC";
        break;
      case Kind::Line:  // a one-pixel grey rule
        cls = L"STATIC", style |= SS_GRAYRECT;
        if (w < 0) l += w, w = -w;
        if (h < 0) t += h, h = -h;
        break;
    }
    int width = std::max(scaled(w, dpi), 1), height = std::max(scaled(h, dpi), 1);
    if (c.kind == Kind::ComboBox) height *= 8;  // with its open list
    HWND control =
        CreateWindowExW(ex, cls, wide(c.caption).c_str(), style, scaled(l, dpi), scaled(t, dpi),
                        width, height, made.at(c.container), nullptr, instance, nullptr);
    for (const std::string& item : c.items)
      SendMessageW(control, CB_ADDSTRING, 0, LPARAM(wide(item).c_str()));
    SendMessageW(control, WM_SETFONT, WPARAM(c.kind == Kind::Frame ? caption : text), FALSE);
    made[c.name] = control;
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command, int show) {
  UINT dpi = 96;
  HWND window = bareWindow(instance, dpi);
  if (lstrcmpW(command, L"plain") == 0) addControls(window, instance, dpi);
  ShowWindow(window, show);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(window, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
