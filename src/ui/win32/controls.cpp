// Building and laying out the controls of a Win32Window from its stored description, and drawing
// the frames.
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <algorithm>
#include <limits>
#include <vector>

#include "ui/win32/accessible.h"
#include "ui/win32/fonts.h"
#include "ui/win32/win32_window.h"

namespace quarnel {
namespace {

// Above every tab index of a window: the key of what takes no focus.
constexpr int kNoTabIndex = std::numeric_limits<int>::max() / 4;

// The lowest tab index of the focusable controls inside a frame, at any depth.
int firstTabIndex(const WindowDesc& desc, const std::string& frame) {
  int first = kNoTabIndex;
  for (const Control& c : desc.controls) {
    if (c.container != frame) continue;
    first = std::min(first, c.kind == Kind::Frame ? firstTabIndex(desc, c.name)
                            : takesFocus(c)       ? c.tabIndex
                                                  : first);
  }
  return first;
}

// The dialog manager walks the controls in the order they were created, going into each frame
// where it stands. Since the tab indexes of the controls of each frame follow one another,
// creating the focusable controls by tab index, each frame just before its first one, each
// field's caption label just before its box (the label created just before a control names it to a
// screen reader; a label takes no focus), and the other labels and lines last gives the keyboard
// order of the tab indexes.
std::vector<const Control*> creationOrder(const WindowDesc& desc) {
  std::vector<long long> captionOf(desc.controls.size(), -1);  // the tab index of the box
  for (const Control& c : desc.controls)
    if (const Control* label = captionLabel(desc, c))
      captionOf[label - desc.controls.data()] = c.tabIndex;
  std::vector<std::pair<long long, const Control*>> keyed;
  long long n = 0;
  for (const Control& c : desc.controls) {
    // A frame just before its first focusable control, a caption label just before its box, each
    // focusable control by its tab index, then the rest in the order of the table.
    const long long caption = captionOf[n];
    long long key = c.kind == Kind::Frame ? 3LL * firstTabIndex(desc, c.name) - 2
                    : caption >= 0        ? 3 * caption - 1
                    : takesFocus(c)       ? 3LL * c.tabIndex
                                          : 3LL * kNoTabIndex + n;
    keyed.emplace_back(key, &c);
    ++n;
  }
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<const Control*> order;
  for (const auto& k : keyed) order.push_back(k.second);
  return order;
}

struct ClassAndStyle {
  const wchar_t* cls;
  DWORD style, exStyle;
};

ClassAndStyle classAndStyle(const Control& c, bool selected) {
  const DWORD stop = WS_TABSTOP | WS_GROUP;
  switch (c.kind) {
    case Kind::Frame:
      return {L"BUTTON", BS_GROUPBOX | WS_GROUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
              WS_EX_CONTROLPARENT};
    case Kind::TextBox:
      if (c.multiLine)
        return {L"EDIT", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | stop,
                WS_EX_CLIENTEDGE};
      return {L"EDIT", ES_AUTOHSCROLL | (c.readOnly ? ES_READONLY : 0u) | stop, WS_EX_CLIENTEDGE};
    case Kind::ComboBox:
      return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | stop, 0};
    case Kind::Option:  // one group; checking an option makes it the group's tab stop
      return {L"BUTTON", BS_AUTORADIOBUTTON | (selected ? stop : 0u), 0};
    case Kind::Button:
      return {L"BUTTON", BS_PUSHBUTTON | stop, 0};
    case Kind::Label:
      return {L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX | WS_GROUP, 0};
    case Kind::Line:
      return {L"STATIC", SS_LEFT | WS_GROUP, 0};
  }
  return {L"STATIC", 0, 0};
}

RECT placeOf(const Control& c, UINT dpi) {
  if (c.kind != Kind::Line) {
    int x = scaled(c.left, dpi), y = scaled(c.top, dpi);
    return {x, y, x + scaled(c.width, dpi), y + scaled(c.height, dpi)};
  }
  // A line: the box around its two end points, one line width wider and higher.
  int x1 = scaled(c.left, dpi), y1 = scaled(c.top, dpi);
  int x2 = scaled(c.left + c.width, dpi), y2 = scaled(c.top + c.height, dpi);
  int width = MulDiv(1, dpi, 96);
  return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + width, std::max(y1, y2) + width};
}

// A drop-down combo box is given the height of its open list; its closed height follows from the
// height of its edit field.
int openList(const Control& c, UINT dpi) {
  return c.kind == Kind::ComboBox ? scaled(2000, dpi) : 0;
}

// Sets the height of a drop-down combo box's edit field so that the closed box is height high.
void fitComboBox(HWND box, int height) {
  LRESULT field = SendMessageW(box, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  for (int round = 0; round < 3; ++round) {
    RECT now;
    GetWindowRect(box, &now);
    if (now.bottom - now.top == height) break;
    field += height - (now.bottom - now.top);
    SendMessageW(box, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
  }
}

// A function of user32 that older Windows lack (the per-monitor density ones came with Windows 10
// 1607), or nullptr: linked by name, the program would not start on Windows 7 to 8.1 at all.
template <typename Function>
Function user32(const char* name) {
  FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

// The window's frame around a client area at a density.
void frameAround(RECT& client, DWORD style, DWORD exStyle, UINT dpi) {
  using Adjust = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  static const Adjust adjust = user32<Adjust>("AdjustWindowRectExForDpi");
  if (adjust)
    adjust(&client, style, FALSE, exStyle, dpi);
  else
    AdjustWindowRectEx(&client, style, FALSE, exStyle);
}

}  // namespace

UINT windowDpi(HWND window) {
  using GetDpi = UINT(WINAPI*)(HWND);
  static const GetDpi getDpi = user32<GetDpi>("GetDpiForWindow");
  if (getDpi) return getDpi(window);
  HDC screen = GetDC(nullptr);
  UINT dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSX));
  ReleaseDC(nullptr, screen);
  return dpi;
}

int scaled(int twips, UINT dpi) {
  return MulDiv(twips, static_cast<int>(dpi), kTwipsPerInch);
}

void Win32Window::createControls() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  int id = kFirstControlId;
  for (const Control* c : creationOrder(desc_)) {
    HWND parent = c->container.empty() ? hwnd_ : controls_.at(c->container);
    const bool selected = c->kind == Kind::Option && startsSelected(desc_, *c);
    ClassAndStyle made = classAndStyle(*c, selected);
    DWORD style = WS_CHILD | made.style | (c->visible ? WS_VISIBLE : 0u);
    std::wstring text = c->multiLine ? std::wstring() : wide(c->caption);
    const RECT r = placeOf(*c, dpi_);
    HWND child =
        CreateWindowExW(made.exStyle, made.cls, text.c_str(), style, r.left, r.top,
                        r.right - r.left, r.bottom - r.top + openList(*c, dpi_), parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), instance, nullptr);
    controls_[c->name] = child;
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(*c)), FALSE);
    if (c->kind == Kind::Frame)
      SetWindowSubclass(child, frameProc, 1, reinterpret_cast<DWORD_PTR>(this));
    if (selected) SendMessageW(child, BM_SETCHECK, BST_CHECKED, 0);
    if (c->kind == Kind::ComboBox) {
      for (const std::string& item : c->items)
        SendMessageW(child, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(item).c_str()));
      SetWindowTextW(child, text.c_str());
      fitComboBox(child, r.bottom - r.top);
    }
    if (c->multiLine) setText(c->name, c->caption), leaveOnTab(child);
    if (const std::string name = accessibleName(desc_, *c); !name.empty()) {
      nameForScreenReaders(child, wide(name));
      COMBOBOXINFO box{};  // the focus goes into a combo box's edit field
      box.cbSize = sizeof(box);
      if (c->kind == Kind::ComboBox && GetComboBoxInfo(child, &box))
        nameForScreenReaders(box.hwndItem, wide(name));
    }
  }
}

void Win32Window::addTooltips() {
  for (const Control& c : desc_.controls) {
    if (c.tooltip.empty()) continue;
    if (!tooltip_)
      tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                 0, 0, 0, 0, hwnd_, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND child = controls_.at(c.name);
    std::wstring tip = wide(c.tooltip);
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = GetParent(child);
    info.uId = reinterpret_cast<UINT_PTR>(child);
    info.lpszText = tip.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  }
}

void Win32Window::useFonts(UINT dpi) {
  dpi_ = dpi;
  textFont_ = createTextFont(dpi);
  captionFont_ = createCaptionFont(dpi);
}

void Win32Window::useIcons(UINT dpi) {
  if (desc_.toolWindow) return;
  using Metric = int(WINAPI*)(int, UINT);
  static const Metric metric = user32<Metric>("GetSystemMetricsForDpi");
  auto size = [dpi](int index) { return metric ? metric(index, dpi) : GetSystemMetrics(index); };
  const struct {
    WPARAM which;
    int width, height;
    HICON& kept;
  } icons[] = {{ICON_SMALL, SM_CXSMICON, SM_CYSMICON, smallIcon_},
               {ICON_BIG, SM_CXICON, SM_CYICON, bigIcon_}};
  for (const auto& icon : icons) {
    HICON loaded =
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"IDI_ICON1", IMAGE_ICON,
                                      size(icon.width), size(icon.height), 0));
    SendMessageW(hwnd_, WM_SETICON, icon.which, reinterpret_cast<LPARAM>(loaded));
    if (icon.kept) DestroyIcon(icon.kept);
    icon.kept = loaded;
  }
}

HFONT Win32Window::fontOf(const Control& c) const {
  return c.kind == Kind::Frame ? captionFont_ : textFont_;
}

void Win32Window::layOut(UINT dpi, const RECT& suggested) {
  HFONT oldText = textFont_, oldCaption = captionFont_;
  useFonts(dpi);
  useIcons(dpi);
  for (const Control& c : desc_.controls) {
    HWND child = controls_.at(c.name);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(c)), FALSE);
    RECT r = placeOf(c, dpi);
    SetWindowPos(child, nullptr, r.left, r.top, r.right - r.left,
                 r.bottom - r.top + openList(c, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    if (c.kind == Kind::ComboBox) fitComboBox(child, r.bottom - r.top);
  }
  placeWindow(suggested, 0);
  // The labels got their new font without a redraw, and a window that clips its children would
  // repaint only what their growth uncovered: everything is drawn anew, frame and controls.
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
  if (oldText) DeleteObject(oldText);
  if (oldCaption) DeleteObject(oldCaption);
}

SIZE Win32Window::frameSize(UINT dpi) const {
  RECT frame{0, 0, scaled(desc_.clientWidth, dpi), scaled(desc_.clientHeight, dpi)};
  frameAround(frame, style_, exStyle_, dpi);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

void Win32Window::placeWindow(const RECT& rect, UINT flags) {
  SIZE size{rect.right - rect.left, rect.bottom - rect.top};
  SetWindowPos(hwnd_, nullptr, rect.left, rect.top, size.cx, size.cy,
               flags | SWP_NOZORDER | SWP_NOACTIVATE);
  for (int round = 0; round < 3; ++round) {
    RECT client;
    GetClientRect(hwnd_, &client);
    SIZE missing{scaled(desc_.clientWidth, dpi_) - client.right,
                 scaled(desc_.clientHeight, dpi_) - client.bottom};
    if (missing.cx == 0 && missing.cy == 0) break;
    size.cx += missing.cx;
    size.cy += missing.cy;
    SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

// A frame: an etched groove whose top runs through the middle of the caption, and the caption in
// the caption font on the window's colour: blue, or with high contrast the system's text colour.
void Win32Window::paintFrame(HWND frame) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(frame, &ps);
  RECT all;
  GetClientRect(frame, &all);
  FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
  HGDIOBJ old = SelectObject(dc, captionFont_);
  wchar_t caption[128];
  int length = GetWindowTextW(frame, caption, 128);
  SIZE size{};
  GetTextExtentPoint32W(dc, caption, length, &size);
  RECT groove = all;
  groove.top = size.cy / 2;
  DrawEdge(dc, &groove, EDGE_ETCHED, BF_RECT);
  int pad = MulDiv(4, dpi_, 96);
  RECT text{MulDiv(7, dpi_, 96), 0, 0, size.cy};
  text.right = text.left + size.cx + 2 * pad;
  FillRect(dc, &text, GetSysColorBrush(COLOR_BTNFACE));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, highContrast() ? GetSysColor(COLOR_BTNTEXT) : RGB(0, 0, 255));
  TextOutW(dc, text.left + pad, 0, caption, length);
  SelectObject(dc, old);
  EndPaint(frame, &ps);
}

LRESULT CALLBACK Win32Window::frameProc(HWND frame, UINT message, WPARAM wp, LPARAM lp, UINT_PTR,
                                        DWORD_PTR self) {
  switch (message) {
    case WM_PAINT:
      reinterpret_cast<Win32Window*>(self)->paintFrame(frame);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_COMMAND:  // what the controls inside tell their container goes to the window
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      return SendMessageW(GetParent(frame), message, wp, lp);
    case WM_NCDESTROY:
      RemoveWindowSubclass(frame, frameProc, 1);
      break;
  }
  return DefSubclassProc(frame, message, wp, lp);
}

}  // namespace quarnel
