// A window of the program over the window system's own controls, built from its stored
// description: one child window per control, named after it. Frames are containers of their
// controls, so a control is on screen only when it and the frames around it are visible.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "calc/utf16.h"
#include "ui/help_text.h"
#include "ui/window.h"
#include "ui/window_table.h"

namespace quarnel {

// The window class of the program's windows.
inline constexpr const wchar_t* kWindowClass = L"QuarnelWindow";
// The identifier of a window's first control; the others follow in the order of creation. (Below
// 100 stand the identifiers the dialog manager gives a meaning: IDOK, IDCANCEL, ...)
inline constexpr int kFirstControlId = 100;

// A length in twips in pixels at a screen density (15 twips are one pixel at 96 dots per inch).
int scaled(int twips, UINT dpi);

// Sent before WM_DPICHANGED from Windows 10 1703 on, asking the window for its size at the new
// density; the headers of Windows 7 lack it.
inline constexpr UINT kGetDpiScaledSize = 0x02E4;

// The density of the screen the window is on (per monitor where Windows knows it, from Windows 10
// 1607 on; else the system's).
UINT windowDpi(HWND window);

class Win32Window : public Window {
 public:
  // Creates the window, hidden, with its caption, a client area of the stored size at the density
  // of its screen, and every control as stored (the options selected as stored). The main window
  // has a fixed frame with minimise and close boxes, a tool window a close box only.
  explicit Win32Window(const WindowDesc& desc);
  ~Win32Window() override;
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

  std::string text(std::string_view name) const override;
  void setText(std::string_view name, std::string_view text) override;
  bool isSelected(std::string_view name) const override;
  void setVisible(std::string_view name, bool visible) override;
  void setFocus(std::string_view name) override;
  void warn(std::string_view text, std::string_view title) override;

  // Shows the window and brings it forward; the focus goes to the first control of the keyboard
  // order unless a control of the window has it.
  void show();
  // The window, or nullptr once it is destroyed.
  HWND hwnd() const { return hwnd_; }
  // The child window of a control; throws std::invalid_argument when there is none.
  HWND control(std::string_view name) const;
  // Whether the control and every frame around it are visible.
  bool onScreen(std::string_view name) const;
  // The name of the control that has the keyboard focus, or "" when none of this window has it.
  std::string focused() const;
  // What the user does to pick an option or press a button: a real click on it.
  void click(std::string_view name);
  // Passes the characters typed into a control through handler, which may replace or discard
  // them (0); control characters are passed too, pasted text is not.
  void filterChars(std::string_view name, std::function<void(std::int16_t& keyAscii)> handler);
  // The stored description the window was built from.
  const WindowDesc& desc() const { return desc_; }

  // A click on a button or an option (after its selection changed), by control name.
  std::function<void(const std::string& name)> onClick;
  // Runs when the window has been destroyed.
  std::function<void()> onDestroyed;
  // The warning box: by default MessageBoxW with the exclamation icon and one OK button, owned by
  // this window. Tests replace it to record the boxes.
  std::function<void(HWND owner, const std::wstring& text, const std::wstring& title)> warningBox;
  // Whether the user has high contrast on (SPI_GETHIGHCONTRAST), asked at each painting: the frame
  // captions and lines then take the system's text colour instead of their blue and grey. Tests
  // replace it where the system cannot switch it.
  std::function<bool()> highContrast;

 private:
  static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK frameProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  static LRESULT CALLBACK charProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  LRESULT handle(UINT message, WPARAM wp, LPARAM lp);
  void createControls();
  // The tooltips of the controls that have one; once the window is shown, since only a pointer
  // resting on a shown control makes a tooltip appear.
  void addTooltips();
  // Makes the two fonts of a density the window's.
  void useFonts(UINT dpi);
  // Gives the window its small and large icons in the sizes of a density (of a main window: a tool
  // window shows none).
  void useIcons(UINT dpi);
  // The font of a control: the caption font for a frame, else the text font.
  HFONT fontOf(const Control& c) const;
  // Fonts and controls for a new density, the window in the rectangle the system suggests, and
  // everything drawn anew.
  void layOut(UINT dpi, const RECT& suggested);
  // The window's size around a client area of the stored size at a density, by the system's
  // reckoning of the frame at that density.
  SIZE frameSize(UINT dpi) const;
  // Gives the window rect in one move (flags: SWP_NOMOVE to keep its place), then corrects its
  // size in place until the client area has the stored size at the window's density, where the
  // system draws another frame than it reckoned (Wine; per-monitor awareness v1).
  void placeWindow(const RECT& rect, UINT flags);
  void paintFrame(HWND frame);
  // The control, to which the operation must apply, while the window exists.
  const Control& described(std::string_view name, Operation operation) const;
  std::string nameOf(HWND child) const;

  const WindowDesc& desc_;
  const DWORD style_, exStyle_;
  HWND hwnd_ = nullptr;
  UINT dpi_ = 96;
  HFONT textFont_ = nullptr, captionFont_ = nullptr;
  HICON smallIcon_ = nullptr, bigIcon_ = nullptr;
  HBRUSH lineBrush_ = nullptr;
  HWND tooltip_ = nullptr;
  HWND lastFocus_ = nullptr;
  std::map<std::string, HWND, std::less<>> controls_;
  MultiLineTexts multiLine_;
  std::map<HWND, std::function<void(std::int16_t&)>> charHandlers_;
};

}  // namespace quarnel
