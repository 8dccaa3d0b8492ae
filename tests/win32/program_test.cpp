// The help window's life, the program's end and the boundary around the handlers.
#include <stdexcept>

#include "calc/calculation.h"
#include "win32_test_util.h"

namespace quarnel::test {
namespace {

int helpWindowsOpen() {
  int n = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND h, LPARAM count) {
        wchar_t title[16];
        GetWindowTextW(h, title, 16);
        if (lstrcmpW(title, L"使用说明") == 0) ++*reinterpret_cast<int*>(count);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&n));
  return n;
}

std::string shownText(HWND box) {
  std::wstring text(GetWindowTextLengthW(box) + 1, L'\0');
  text.resize(GetWindowTextW(box, text.data(), static_cast<int>(text.size())));
  return utf8(text);
}

TEST_F(ProgramTest, HelpWindowIsOneAndRebuiltAfterClose) {
  // As shown: CR LF ends a line, a CR that no LF follows shows nothing.
  std::string text = helpText(), shown;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] != '\r' || text[i + 1] == '\n') shown += text[i];
  w.click("cmdhelp");
  Win32Window* help = p.help().window();
  ASSERT_TRUE(help);
  HWND first = help->hwnd();
  EXPECT_TRUE(IsWindowVisible(first));
  EXPECT_EQ(GetWindow(first, GW_OWNER), nullptr);
  EXPECT_TRUE(GetWindowLongW(first, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(GetWindowLongW(first, GWL_STYLE) &
               (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_EQ(help->text("txthelp"), text);
  EXPECT_EQ(shownText(help->control("txthelp")), shown);
  EXPECT_EQ(help->focused(), "txthelp");

  help->setText("txthelp", "x");  // a second click neither builds another window nor the text
  w.click("cmdhelp");
  EXPECT_EQ(helpWindowsOpen(), 1);
  EXPECT_EQ(p.help().window()->hwnd(), first);
  EXPECT_EQ(help->text("txthelp"), "x");

  for (UINT close : {0, 1}) {  // the close box, then cmdoff
    help->setText("txthelp", text);
    SendMessageW(help->control("txthelp"), EM_LINESCROLL, 0, 8);
    EXPECT_GT(SendMessageW(help->control("txthelp"), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    if (close == 0)
      SendMessageW(help->hwnd(), WM_CLOSE, 0, 0);
    else
      help->click("cmdoff");
    EXPECT_EQ(p.help().window(), nullptr);
    EXPECT_EQ(helpWindowsOpen(), 0);
    EXPECT_TRUE(IsWindow(w.hwnd()));
    w.click("cmdhelp");
    help = p.help().window();
    ASSERT_TRUE(help);
    EXPECT_EQ(help->text("txthelp"), text);
    EXPECT_EQ(SendMessageW(help->control("txthelp"), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  }
}

TEST_F(ProgramTest, EndsWhenTheLastWindowCloses) {
  for (bool helpOpen : {false, true}) {
    Win32Program program;
    program.show();
    if (helpOpen) program.main().click("cmdhelp");
    PostMessageW(program.main().hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(pumpMessages(false), helpOpen);
    EXPECT_EQ(program.main().hwnd(), nullptr);
    if (!helpOpen) continue;
    Sleep(50);
    EXPECT_TRUE(pumpMessages(false));
    ASSERT_TRUE(program.help().window());
    program.help().window()->click("cmdoff");
    EXPECT_FALSE(pumpMessages(false));
  }
}

TEST_F(ProgramTest, FailingHandlerShowsABoxAndKeepsTheInputs) {
  w.setText("zxh", "B7");
  p.guarded(w, [this] {
    w.setText("dhz", "1");
    throw std::runtime_error("failed");
  });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].owner, w.hwnd());
  EXPECT_EQ(boxes[0].text, kWin32FailureMessage);
  EXPECT_EQ(boxes[0].title, kNoticeTitle);
  EXPECT_EQ(w.text("zxh"), "B7");
  EXPECT_EQ(w.text("dhz"), "1");
}

}  // namespace
}  // namespace quarnel::test
