// The help window's life, the program's end and the boundary around the handlers.
#include <stdexcept>

#include "calc/calculation.h"
#include "win32_test_util.h"

namespace quarnel::test {
namespace {

int helpWindowsOpen() {
  int n = 0;
  for (HWND h = nullptr; (h = FindWindowExW(nullptr, h, nullptr, L"使用说明")) != nullptr;) ++n;
  return n;
}

TEST_F(ProgramTest, HelpWindowIsOneAndRebuiltAfterClose) {
  std::string text = helpText(), shown;  // shown: a CR that no LF follows shows nothing
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] != '\r' || text[i + 1] == '\n') shown += text[i];
  w.click("cmdhelp");
  Win32Window* help = p.help().window();
  ASSERT_TRUE(help);
  HWND first = help->hwnd();
  wchar_t showing[4096];
  GetWindowTextW(help->control("txthelp"), showing, 4096);
  EXPECT_EQ(utf8(showing), shown);
  EXPECT_EQ(help->text("txthelp"), text);
  EXPECT_EQ(help->focused(), "txthelp");
  EXPECT_TRUE(IsWindowVisible(first) && !GetWindow(first, GW_OWNER));
  EXPECT_TRUE(GetWindowLongW(first, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(GetWindowLongW(first, GWL_STYLE) & (WS_THICKFRAME | WS_MINIMIZEBOX));

  help->setText("txthelp", "x");  // a second click neither builds another window nor the text
  w.click("cmdhelp");
  EXPECT_EQ(helpWindowsOpen(), 1);
  EXPECT_EQ(p.help().window()->hwnd(), first);
  EXPECT_EQ(help->text("txthelp"), "x");

  for (bool closeBox : {true, false}) {  // closed by its close box, then by cmdoff
    help->setText("txthelp", text);
    SendMessageW(help->control("txthelp"), EM_LINESCROLL, 0, 8);
    EXPECT_GT(SendMessageW(help->control("txthelp"), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    closeBox ? (void)SendMessageW(help->hwnd(), WM_CLOSE, 0, 0) : help->click("cmdoff");
    EXPECT_TRUE(!p.help().window() && helpWindowsOpen() == 0 && IsWindow(w.hwnd()));
    w.click("cmdhelp");
    ASSERT_TRUE(help = p.help().window());
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
    EXPECT_EQ(pumpMessages(false), helpOpen);  // false: the loop was told to end
    EXPECT_EQ(program.main().hwnd(), nullptr);
    if (!helpOpen) continue;
    Sleep(50);
    EXPECT_TRUE(pumpMessages(false));
    program.help().window()->click("cmdoff");
    EXPECT_FALSE(pumpMessages(false));
  }
}

TEST_F(ProgramTest, FailingHandlerShowsABoxAndKeepsTheInputs) {
  w.setText("zxh", "B7");
  p.guarded(w, [this] { w.setText("dhz", "1"), throw std::runtime_error("failed"); });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].owner, w.hwnd());
  EXPECT_EQ(boxes[0].text, kWin32FailureMessage);
  EXPECT_EQ(boxes[0].title, kNoticeTitle);
  EXPECT_TRUE(w.text("zxh") == "B7" && w.text("dhz") == "1");
}

}  // namespace
}  // namespace quarnel::test
