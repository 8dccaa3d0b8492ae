// Driving the real Windows windows in the test's thread: keys and characters are posted to the
// control with the focus and go through the program's message handling, as typed keys do.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "ui/win32/program.h"

namespace quarnel::test {

// Handles what the posted messages caused, and what that caused in turn.
inline void settle() {
  for (int i = 0; i < 4; ++i, Sleep(2)) pumpMessages(false);
}

inline void press(WORD key, bool shift = false) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(keys);
  PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
  PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
  settle();
}

inline void type(const std::wstring& chars) {
  for (wchar_t c : chars) PostMessageW(GetFocus(), WM_CHAR, c, 1), settle();
}

struct Box {
  HWND owner;
  std::string text, title;
};

// The program with its main window shown as at start; the warning boxes are recorded.
class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    w.warningBox = [this](HWND owner, const std::wstring& text, const std::wstring& title) {
      boxes.push_back({owner, utf8(text), utf8(title)});
    };
    p.show();
    settle();
  }
  Win32Program p;
  Win32Window& w = p.main();
  std::vector<Box> boxes;
};

}  // namespace quarnel::test
