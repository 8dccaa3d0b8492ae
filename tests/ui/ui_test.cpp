// The in-memory window under the window contract; the key codes of the zrz filter; the help text.
#include <gtest/gtest.h>

#include "../contract/window_contract.h"
#include "ui/handlers.h"
#include "ui/help_text.h"
#include "ui/memory_window.h"

namespace quarnel::test {
namespace {

class MemoryHarness : public WindowHarness {
 public:
  Window& window() override { return w_; }
  void pick(const std::string& option) override {
    w_.select(option);
    option == "optwq" ? optwq_Click(w_) : Optnq_Click(w_);
  }
  void type(const std::string& field, const std::string& utf8) override {
    for (std::size_t k = 0; k < utf8.size();) {
      std::size_t n = 1;
      while (k + n < utf8.size() && (utf8[k + n] & 0xC0) == 0x80) ++n;
      std::int16_t code = utf8[k] & 0x80 ? -1 : utf8[k];  // a wide character: a negative code
      if (field == "zrz") zrz_KeyPress(w_, code);
      if (code != 0) w_.setText(field, w_.text(field) + utf8.substr(k, n));
      k += n;
    }
  }
  bool onScreen(const std::string& name) override { return w_.onScreen(name); }
  std::string focus() override { return w_.focus(); }
  std::vector<std::string> warnings() override {
    std::vector<std::string> out;
    for (const auto& box : w_.warnings()) out.push_back(box.title + "|" + box.text);
    return out;
  }
  bool guard(const std::function<void()>&) override { return false; }

 private:
  MemoryWindow w_;
};

std::unique_ptr<WindowHarness> makeMemoryHarness() {
  return std::make_unique<MemoryHarness>();
}

INSTANTIATE_TEST_SUITE_P(Memory, WindowContract,
                         testing::Values(Implementation{"memory", &makeMemoryHarness}), named);

TEST(ZrzKeyPress, PassesCodesBelow33DigitsAndNegativeCodes) {
  MemoryWindow w;
  for (int code = -300; code < 300; ++code) {
    std::int16_t key = static_cast<std::int16_t>(code);
    zrz_KeyPress(w, key);
    const bool passes = code < 33 || (code >= '0' && code <= '9');
    EXPECT_EQ(key, passes ? code : 0) << code;
  }
}

TEST(HelpText, IsThePiecesWithTheirLineBreaksToTheByte) {
  const std::string pieces =
      "\r\n(一) 软件说明:"
      "\r\n\r\r\n\r1. 隔墙材料同外墙,其计算层数同墙体计算层数."
      "\r\n\r2. 阳台计算层数同楼面计算层数."
      "\r\n\r3. 计算结果中三项数值均为荷载标准值."
      "\r\n\r4. 折算墙厚=(墙厚1*墙厚1层数+墙厚2*墙厚2层数)/                (墙厚1层数+墙厚2层数)"
      "\r\n\r5. 折算层高=(层高1*层高1层数+层高2*层高2层数)/                (层高1层数+层高2层数)"
      "\r\n\r6. 几点设定: 阳台板厚130mm;阳台栏板为60厚砖砌     1.10m高;阳台为钢窗封闭;隔墙为120厚."
      "\r\n\r\r\n(二) 用户须知: "
      "\r\n\r\r\n\r1. "
      "本软件为方便同行,达到计算快速.准确之目的而设计,但作者出于对该程序运行环境的考虑"
      "仅建议应用于校核验算或上级同意的情况之下."
      "\r\n\r2. 使用者填入数据时应确认该计算程序与计算模型一致,以免计算结果与实际偏差过大."
      "\r\n\r\r\n\r(三) 关于程序:"
      "\r\n\r\r\n\r1. 本软件为免费软件,友情使用."
      "\r\n\r2. 使用过程中如有问题或建议欢迎联系!"
      "\r\n\r3. 祝工作顺利!(";
  const std::string text = helpText();
  ASSERT_EQ(text.substr(0, pieces.size()), pieces);
  const std::size_t contact = text.find("\r\n\r               Email:");
  ASSERT_NE(contact, std::string::npos);
  EXPECT_EQ(text[contact - 1], ' ');  // the signature ends with one blank
  EXPECT_EQ(text.find('\r', pieces.size()), contact);
  EXPECT_EQ(text.find_first_of("\r\n ", contact + 24), std::string::npos);
}

// A help window slot over an in-memory window that counts its loads.
struct FakeSlot : HelpSlot {
  bool isLoaded() const override { return window != nullptr; }
  Window& load() override {
    ++loads;
    return *(window = std::make_unique<MemoryWindow>(helpWindow()));
  }
  void show() override {}
  void unload() override { window.reset(); }
  std::unique_ptr<MemoryWindow> window;
  int loads = 0;
};

TEST(HelpWindow, BuildsItsTextOnLoadOnlyAndAgainAfterClosing) {
  FakeSlot slot;
  cmdhelp_Click(slot);
  ASSERT_TRUE(slot.window);
  EXPECT_EQ(slot.window->text("txthelp"), helpText());
  slot.window->setText("txthelp", "changed");
  cmdhelp_Click(slot);
  EXPECT_EQ(slot.window->text("txthelp"), "changed");
  cmdoff_Click(slot);
  EXPECT_FALSE(slot.isLoaded());
  cmdhelp_Click(slot);
  EXPECT_EQ(slot.loads, 2);
  EXPECT_EQ(slot.window->text("txthelp"), helpText());
}

}  // namespace
}  // namespace quarnel::test
