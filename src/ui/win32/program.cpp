#include "ui/win32/program.h"

#include "report/report_path.h"

namespace quarnel {

void Win32HelpSlot::load() {
  window_ = std::make_unique<Win32Window>(helpWindow());
  if (loaded_) loaded_(*window_);
}

void Win32HelpSlot::unload() {
  if (Win32Window* w = window()) DestroyWindow(w->hwnd());
}

Win32Program::Win32Program()
    : main_(std::make_unique<Win32Window>(mainWindow())),
      help_(std::make_unique<Win32HelpSlot>([this](Win32Window& help) {
        wireEvents(help, shell_);
        help.onDestroyed = [this] { closed(); };
        raise(shell_, help.desc().name, "", Event::Load);
      })),
      shell_{*main_, *help_, {reportPath(), {}, false, std::nullopt, fallbackReportPath}} {
  wireEvents(*main_, shell_);
  main_->onDestroyed = [this] {
    mainOpen_ = false;
    closed();
  };
}

Win32Program::~Win32Program() {
  main_->onDestroyed = nullptr;
  if (Win32Window* help = help_->window()) help->onDestroyed = nullptr;
}

void wireEvents(Win32Window& window, Shell& shell) {
  const std::string& name = window.desc().name;
  window.onClick = [&shell, &name](const std::string& control) {
    raise(shell, name, control, Event::Click);
  };
  for (const EventRow& row : eventTable()) {
    if (row.window != name || row.event != Event::KeyPress) continue;
    window.filterChars(row.control, [&shell, &row](std::int16_t& keyAscii) {
      raise(shell, row.window, row.control, row.event, keyAscii);
    });
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
