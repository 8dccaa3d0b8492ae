#include "ui/win32/win32_window.h"

#include <commctrl.h>

#include <stdexcept>

#include "ui/help_text.h"

namespace quarnel {
namespace {

void registerClass() {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HICON icon = LoadIconW(instance, L"IDI_ICON1");
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof(cls);
    cls.lpfnWndProc = DefWindowProcW;  // replaced by windowProc once the object is known
    cls.hInstance = instance;
    cls.hIcon = icon ? icon : LoadIconW(nullptr, IDI_APPLICATION);
    cls.hIconSm = static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON, 16, 16, 0));
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    cls.lpszClassName = kWindowClass;
    return RegisterClassExW(&cls) != 0;
  }();
  (void)registered;
}

// Posted when the window is first shown: the tooltips are added then.
constexpr UINT kAddTooltips = WM_APP + 1;

// Fixed size: no sizing border and no maximise box; a tool window has no minimise box either.
constexpr DWORD kFixedStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

// The lines a multi-line edit control shows for a text as a box shows it: each line ended by CR LF.
std::wstring shownLines(std::string_view shown) {
  std::wstring lines;
  for (wchar_t c : wide(shown)) {
    if (c == L'\n') lines += L'\r';
    lines += c;
  }
  return lines;
}

}  // namespace

Win32Window::Win32Window(const WindowDesc& desc)
    : desc_(desc),
      style_(desc.toolWindow ? kFixedStyle : kFixedStyle | WS_MINIMIZEBOX),
      exStyle_(desc.toolWindow ? WS_EX_TOOLWINDOW : 0) {
  warningBox = [](HWND owner, const std::wstring& text, const std::wstring& title) {
    MessageBoxW(owner, text.c_str(), title.c_str(), MB_ICONEXCLAMATION | MB_OK);
  };
  highContrast = [] {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
  };
  registerClass();
  hwnd_ = CreateWindowExW(exStyle_, kWindowClass, wide(desc.caption).c_str(), style_, CW_USEDEFAULT,
                          CW_USEDEFAULT, 100, 100, nullptr, nullptr, GetModuleHandleW(nullptr),
                          nullptr);
  if (!hwnd_) throw std::runtime_error("cannot create the window " + desc.name);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(windowProc));
  lineBrush_ = CreateSolidBrush(RGB(128, 128, 128));
  useFonts(windowDpi(hwnd_));
  useIcons(dpi_);
  createControls();
  const SIZE size = frameSize(dpi_);
  placeWindow({0, 0, size.cx, size.cy}, SWP_NOMOVE);
}

Win32Window::~Win32Window() {
  if (hwnd_) DestroyWindow(hwnd_);
  DeleteObject(textFont_);
  DeleteObject(captionFont_);
  if (smallIcon_) DestroyIcon(smallIcon_);
  if (bigIcon_) DestroyIcon(bigIcon_);
  DeleteObject(lineBrush_);
}

LRESULT CALLBACK Win32Window::windowProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wp, lp);
  return self->handle(message, wp, lp);
}

LRESULT Win32Window::handle(UINT message, WPARAM wp, LPARAM lp) {
  HWND hwnd = hwnd_;
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED && lp) {
        std::string name = nameOf(reinterpret_cast<HWND>(lp));
        const Control* c = name.empty() ? nullptr : findControl(desc_, name);
        if (!c || (c->kind != Kind::Button && c->kind != Kind::Option)) return 0;
        if (onClick) onClick(name);
      }
      return 0;
    case WM_CTLCOLORSTATIC:
      for (const Control& c : desc_.controls)
        if (c.kind == Kind::Line && controls_.at(c.name) == reinterpret_cast<HWND>(lp))
          return reinterpret_cast<LRESULT>(highContrast() ? GetSysColorBrush(COLOR_BTNTEXT)
                                                          : lineBrush_);
      break;
    case WM_SETTINGCHANGE:
      if (wp != SPI_SETHIGHCONTRAST) break;
      [[fallthrough]];
    case WM_SYSCOLORCHANGE:  // the controls are told too, and everything is drawn anew
      for (const auto& [name, child] : controls_) SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
      RedrawWindow(hwnd, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
      break;
    case kAddTooltips:
      if (!tooltip_) addTooltips();
      return 0;
    case WM_ACTIVATE:
      // The focus comes back to the control that had it when the window was left.
      if (LOWORD(wp) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd, focus)) lastFocus_ = focus;
        return 0;
      }
      if (lastFocus_ && IsWindow(lastFocus_)) {
        SetFocus(lastFocus_);
        return 0;
      }
      break;
    case kGetDpiScaledSize:  // the size fixed in twips, not the old size scaled
      *reinterpret_cast<SIZE*>(lp) = frameSize(LOWORD(wp));
      return TRUE;
    case WM_DPICHANGED:
      layOut(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
      return 0;
    case WM_NCDESTROY: {
      hwnd_ = nullptr;
      controls_.clear();
      tooltip_ = nullptr;
      lastFocus_ = nullptr;
      LRESULT r = DefWindowProcW(hwnd, message, wp, lp);
      if (onDestroyed) onDestroyed();
      return r;
    }
  }
  return DefWindowProcW(hwnd, message, wp, lp);
}

const Control& Win32Window::described(std::string_view name, Operation operation) const {
  const Control& c = controlFor(desc_, name, operation);
  control(name);  // the window may be gone
  return c;
}

HWND Win32Window::control(std::string_view name) const {
  auto it = controls_.find(name);
  if (it == controls_.end()) throw std::invalid_argument("no control " + std::string(name));
  return it->second;
}

std::string Win32Window::nameOf(HWND child) const {
  for (const auto& [name, hwnd] : controls_)
    if (hwnd == child || IsChild(hwnd, child)) {
      const Control* c = findControl(desc_, name);
      if (c->kind != Kind::Frame || hwnd == child) return name;
    }
  return "";
}

std::string Win32Window::text(std::string_view name) const {
  const Control& c = described(name, Operation::GetText);
  if (c.multiLine) return multiLine_.get(name);
  HWND hwnd = control(name);
  std::wstring text(GetWindowTextLengthW(hwnd) + 1, L'\0');
  text.resize(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size())));
  return utf8(text);
}

void Win32Window::setText(std::string_view name, std::string_view text) {
  const Control& c = described(name, Operation::SetText);
  if (c.multiLine) {
    SetWindowTextW(control(name), shownLines(multiLine_.set(name, text)).c_str());
  } else {
    SetWindowTextW(control(name), wide(text).c_str());
  }
}

bool Win32Window::isSelected(std::string_view name) const {
  described(name, Operation::IsSelected);
  return SendMessageW(control(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Window::setVisible(std::string_view name, bool visible) {
  described(name, Operation::SetVisible);
  ShowWindow(control(name), visible ? SW_SHOWNA : SW_HIDE);
}

void Win32Window::setFocus(std::string_view name) {
  described(name, Operation::SetFocus);
  SetFocus(control(name));
}

void Win32Window::warn(std::string_view text, std::string_view title) {
  warningBox(hwnd_, wide(text), wide(title));
}

void Win32Window::show() {
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  if (!tooltip_) PostMessageW(hwnd_, kAddTooltips, 0, 0);
  SetForegroundWindow(hwnd_);
  HWND focus = GetFocus();
  const Control* first = firstFocus(desc_);
  if ((!focus || !IsChild(hwnd_, focus)) && first) SetFocus(control(first->name));
}

bool Win32Window::onScreen(std::string_view name) const {
  return IsWindowVisible(control(name)) != FALSE;
}

std::string Win32Window::focused() const {
  HWND focus = GetFocus();
  return focus ? nameOf(focus) : "";
}

void Win32Window::click(std::string_view name) {
  SendMessageW(control(name), BM_CLICK, 0, 0);
}

void Win32Window::filterChars(std::string_view name,
                              std::function<void(std::int16_t& keyAscii)> handler) {
  HWND hwnd = control(name);
  charHandlers_[hwnd] = std::move(handler);
  SetWindowSubclass(hwnd, charProc, 2, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK Win32Window::charProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp, UINT_PTR,
                                       DWORD_PTR self) {
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, charProc, 2);
  if (message == WM_CHAR) {
    std::int16_t code = keyAscii(static_cast<char16_t>(wp));
    const std::int16_t typed = code;
    reinterpret_cast<Win32Window*>(self)->charHandlers_.at(hwnd)(code);
    if (code == 0) return 0;
    if (code != typed && code > 0) wp = static_cast<WPARAM>(code);
  }
  return DefSubclassProc(hwnd, message, wp, lp);
}

}  // namespace quarnel
