#include "ui/win32/program.h"

#include <exception>

#include "calc/calculation.h"
#include "report/report_handler.h"
#include "ui/handlers.h"

namespace quarnel {
namespace {

// Fixed size: no sizing border and no maximise box.
constexpr DWORD kMainStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kHelpStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

}  // namespace

const char* const kWin32FailureMessage =
    "程序出错，本次操作没有完成。\n窗口中输入的数据都还在，可以检查后再试一次。";

Window& Win32HelpSlot::load() {
  window_ = std::make_unique<Win32Window>(helpWindow(), kHelpStyle, WS_EX_TOOLWINDOW);
  if (wire_) wire_(*window_);
  return *window_;
}

void Win32HelpSlot::unload() {
  if (isLoaded()) DestroyWindow(window_->hwnd());
}

Win32Program::Win32Program()
    : reportFiles{reportPath(), fallbackReportPath()},
      main_(std::make_unique<Win32Window>(mainWindow(), kMainStyle, 0)) {
  help_ = std::make_unique<Win32HelpSlot>([this](Win32Window& help) {
    help.onClick = [this, &help](const std::string& name) {
      if (name == "cmdoff") guarded(help, [this] { cmdoff_Click(*help_); });
    };
    help.onDestroyed = [this] { closed(); };
  });
  Win32Window& w = *main_;
  w.onClick = [this, &w](const std::string& name) {
    if (name == "cmdjs") guarded(w, [&w] { cmdjs_Click(w); });
    if (name == "Cmdjss") guarded(w, [this, &w] { Cmdjss_Click(w, reportFiles); });
    if (name == "cmdhelp") guarded(w, [this] { cmdhelp_Click(*help_); });
    if (name == "optwq") guarded(w, [&w] { optwq_Click(w); });
    if (name == "Optnq") guarded(w, [&w] { Optnq_Click(w); });
  };
  w.filterChars("zrz", [this, &w](std::int16_t& keyAscii) {
    guarded(w, [&w, &keyAscii] { zrz_KeyPress(w, keyAscii); });
  });
  w.onDestroyed = [this] {
    mainOpen_ = false;
    closed();
  };
}

Win32Program::~Win32Program() {
  main_->onDestroyed = nullptr;
  if (Win32Window* help = help_->window()) help->onDestroyed = nullptr;
}

void Win32Program::guarded(Win32Window& window, const std::function<void()>& handler) {
  try {
    handler();
  } catch (...) {
    window.warn(kWin32FailureMessage, kNoticeTitle);
  }
}

// The program ends when the last of its windows has been closed.
void Win32Program::closed() {
  if (!mainOpen_ && !help_->isLoaded()) PostQuitMessage(0);
}

int Win32Program::run() {
  while (pumpMessages(true)) {
  }
  return 0;
}

bool pumpMessages(bool wait) {
  MSG msg;
  for (;;) {
    if (wait) {
      if (GetMessageW(&msg, nullptr, 0, 0) <= 0) return false;
      wait = false;
    } else if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      return true;
    }
    if (msg.message == WM_QUIT) return false;
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    wchar_t cls[32] = L"";
    if (root) GetClassNameW(root, cls, 32);
    if (root && std::wstring(cls) == kWindowClass && IsDialogMessageW(root, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace quarnel
