#include "ui/help_text.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <vector>

#include "ui/memory_window.h"

namespace quarnel {
namespace {

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

TEST(HelpText, IsTheFifteenPiecesWithTheirLineBreakRuns) {
  const std::string expected =
      "\r\n(一) 软件说明:"
      "\r\n\r\r\n\r1. 隔墙材料同外墙,其计算层数同墙体计算层数."
      "\r\n\r2. 阳台计算层数同楼面计算层数."
      "\r\n\r3. 计算结果中三项数值均为荷载标准值."
      "\r\n\r4. 折算墙厚=(墙厚1*墙厚1层数+墙厚2*墙厚2层数)/"
      "                (墙厚1层数+墙厚2层数)"
      "\r\n\r5. 折算层高=(层高1*层高1层数+层高2*层高2层数)/"
      "                (层高1层数+层高2层数)"
      "\r\n\r6. 几点设定: 阳台板厚130mm;阳台栏板为60厚砖砌"
      "     1.10m高;阳台为钢窗封闭;隔墙为120厚."
      "\r\n\r\r\n(二) 用户须知: "
      "\r\n\r\r\n\r1. 本软件为方便同行,达到计算快速.准确之目的而设计,"
      "但作者出于对该程序运行环境的考虑仅建议应用于校核验算或上级同意的情况之下."
      "\r\n\r2. 使用者填入数据时应确认该计算程序与计算模型一致,以免计算结果与实际偏差过大."
      "\r\n\r\r\n\r(三) 关于程序:"
      "\r\n\r\r\n\r1. 本软件为免费软件,友情使用."
      "\r\n\r2. 使用过程中如有问题或建议欢迎联系!"
      "\r\n\r3. 祝工作顺利!";
  const std::string text = helpText();
  ASSERT_GE(text.size(), expected.size());
  EXPECT_EQ(text.substr(0, expected.size()), expected);
  // The rest of piece 14 is the signature, a place in parentheses, then a date and one blank.
  const std::string signature =
      text.substr(expected.size(), text.find('\r', expected.size()) - expected.size());
  EXPECT_EQ(signature.front(), '(');
  EXPECT_EQ(signature.back(), ' ');
  const std::string contact = "\r\n\r               Email:";
  std::size_t at = text.find(contact);
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(at, expected.size() + signature.size());
  const std::string address = text.substr(at + contact.size());
  EXPECT_NE(address.find('@'), std::string::npos);
  EXPECT_EQ(address.substr(address.size() - 12), "@example.com");
}

TEST(HelpText, ShowsHeadingsItemsAndBlankLinesAsLaidOut) {
  std::vector<std::string> shown = lines(displayText(helpText()));
  ASSERT_EQ(shown.size(), 21u);
  EXPECT_EQ(shown[0], "");
  EXPECT_EQ(shown[1], "(一) 软件说明:");
  EXPECT_EQ(shown[2], "");
  EXPECT_EQ(shown[3], "1. 隔墙材料同外墙,其计算层数同墙体计算层数.");
  EXPECT_EQ(shown[8].substr(0, 3), "6. ");
  EXPECT_EQ(shown[9], "");
  EXPECT_EQ(shown[10], "(二) 用户须知: ");
  EXPECT_EQ(shown[11], "");
  EXPECT_EQ(shown[12].substr(0, 3), "1. ");
  EXPECT_EQ(shown[13].substr(0, 3), "2. ");
  EXPECT_EQ(shown[14], "");
  EXPECT_EQ(shown[15], "(三) 关于程序:");
  EXPECT_EQ(shown[16], "");
  EXPECT_EQ(shown[17], "1. 本软件为免费软件,友情使用.");
  EXPECT_EQ(shown[19].substr(0, 3), "3. ");
  EXPECT_EQ(shown[20].substr(0, 21), "               Email:");
}

TEST(HelpText, DisplayDropsLoneCarriageReturns) {
  struct Case {
    const char* text;
    const char* shown;
  } cases[] = {{"a\r\nb", "a\nb"}, {"a\rb", "ab"}, {"a\r\r\nb", "a\nb"},
               {"a\r", "a"},       {"\n\r", "\n"}, {"a\r\n\r\r\n\rb", "a\n\nb"}};
  for (const Case& c : cases) EXPECT_EQ(displayText(c.text), c.shown) << c.text;
}

// A help window slot over an in-memory window that counts what happens to it.
class FakeSlot : public HelpSlot {
 public:
  bool isLoaded() const override { return window != nullptr; }
  Window& load() override {
    ++loads;
    window = std::make_unique<MemoryWindow>(helpWindow());
    return *window;
  }
  void show() override {
    ASSERT_TRUE(window);
    ++shows;
  }
  void unload() override { window.reset(); }

  std::unique_ptr<MemoryWindow> window;
  int loads = 0, shows = 0;
};

TEST(HelpWindow, LoadsOnceWhileShownAndAgainAfterClosing) {
  FakeSlot slot;
  cmdhelp_Click(slot);
  ASSERT_TRUE(slot.window);
  EXPECT_EQ(slot.window->text("txthelp"), helpText());
  slot.window->setText("txthelp", "changed");  // shows whether the text is built again
  cmdhelp_Click(slot);
  EXPECT_EQ(slot.loads, 1);
  EXPECT_EQ(slot.shows, 2);
  EXPECT_EQ(slot.window->text("txthelp"), "changed");

  cmdoff_Click(slot);
  EXPECT_FALSE(slot.isLoaded());
  cmdhelp_Click(slot);
  EXPECT_EQ(slot.loads, 2);
  EXPECT_EQ(slot.shows, 3);
  EXPECT_EQ(slot.window->text("txthelp"), helpText());
}

TEST(HelpWindow, FormLoadSetsTheTextInOneAssignment) {
  struct Counting : MemoryWindow {
    Counting() : MemoryWindow(helpWindow()) {}
    void setText(std::string_view name, std::string_view text) override {
      ++sets;
      MemoryWindow::setText(name, text);
    }
    int sets = 0;
  } help;
  Form_Load(help);
  EXPECT_EQ(help.sets, 1);
  EXPECT_EQ(help.text("txthelp"), helpText());
}

}  // namespace
}  // namespace quarnel
