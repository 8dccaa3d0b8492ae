// What only a real window has: layout, keyboard order, combo box, buttons, the event boundary.
#include <stdexcept>

#include "../common/test_support.h"
#include "ui/window_table.h"
#include "window_contract.h"

namespace quarnel::test {
namespace {

TEST_P(RealWindowContract, IsLaidOutAtFifteenTwipsAPixel) {
  auto h = make();
  EXPECT_TRUE(h->fixedSize());
  const std::pair<const char*, std::array<int, 4>> rows[] = {{"", {0, 0, 497, 237}},
                                                             {"zrz", {59, 15, 52, 18}},
                                                             {"zjxs", {76, 65, 65, 20}},
                                                             {"Frame2", {5, 98, 334, 137}},
                                                             {"cmdhelp", {421, 68, 69, 22}}};
  for (const auto& [name, rect] : rows) EXPECT_EQ(h->geometry(name), rect) << name;
}

// Round the keyboard order and back; at the option pair's one stop the arrow key selects 内墙.
TEST_P(RealWindowContract, TabAndShiftTabFollowTheKeyboardOrderWithOneStopForTheOptionPair) {
  const std::string common = " zrz crz lmhh lmdh wmhh wmdh ";
  const std::string tail =
      " zscg qcs hhjscs zjxs zsqh qcd mcmj lmjscd cmdjs Cmdjss dhz hhz zjhh hzsjz cmdhelp zxh";
  auto h = make();
  for (const std::string& order : {"zxh optwq" + common + "gqsl nrq yttccd ytzcd" + tail,
                                   "zxh Optnq" + common + "gqc1 gqds1 gqc2 gqds2" + tail}) {
    SCOPED_TRACE(order);
    h->window().setFocus("zxh");
    std::string seen = "zxh", back = "zxh";
    while (seen.size() < order.size()) {
      h->press(Key::Tab);
      if (h->focus() == "optwq" && order[4] == 'O') h->press(Key::Down);
      seen += " " + h->focus();
    }
    EXPECT_EQ(seen, order);
    while (back.size() < order.size()) {
      h->press(Key::ShiftTab);
      back = h->focus() + " " + back;
    }
    EXPECT_EQ(back, order);
  }
}

TEST_P(RealWindowContract, ComboBoxNeitherCompletesNorAddsTypedTexts) {
  auto h = make();
  h->window().setText("zjxs", "");
  h->type("zjxs", "0.7");
  h->press(Key::Return);
  EXPECT_EQ(h->window().text("zjxs"), "0.7");
  const char* entries[] = {"1.00", "0.90", "0.85", "0.70", "0.65", "0.60", "0.55", ""};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(h->listed(i), entries[i]) << i;
}

TEST_P(RealWindowContract, ButtonsReachTheirHandlers) {
  ScratchDir dir;
  auto h = make();
  const std::string file = dir.file("Quarnel书.txt");
  h->shell().reports = {file, ""};
  h->pick("cmdjs");
  EXPECT_EQ(h->warnings(), std::vector<std::string>{"提示|墙长度输入错!"});
  h->pick("Cmdjss");
  EXPECT_EQ(readBytes(file).substr(0, 70), std::string(70, '-'));
#ifdef _WIN32
  EXPECT_EQ(h->tooltip("Cmdjss"), "生成(C:\\Quarnel书.txt)文件");
#else
  EXPECT_EQ(h->tooltip("Cmdjss"), "生成(~/Quarnel书.txt)文件");  // no drive C: the home folder
#endif
  h->pick("cmdhelp");
  ASSERT_TRUE(h->helpOpen());
  h->pick("cmdoff");
  EXPECT_FALSE(h->helpOpen());
}

// What a screen reader says for each field: its caption label, and its name with the unit.
TEST_P(RealWindowContract, EachFieldIsLabelledByItsCaptionAndNamedWithItsUnit) {
  auto h = make();
  for (const Field& f : fields()) {
    EXPECT_EQ(h->labelOf(f.name), f.caption) << f.name;
    EXPECT_EQ(h->accessibleName(f.name), accessibleName(f)) << f.name;
  }
}

// The help text is named after its window; Tab and Shift+Tab leave it for 关  闭 and come back.
TEST_P(RealWindowContract, TabAndShiftTabLeaveTheHelpText) {
  auto h = make();
  h->pick("cmdhelp");
  EXPECT_EQ(h->accessibleName("txthelp"), "使用说明");
  std::string seen = h->focus();
  for (Key key : {Key::Tab, Key::Tab, Key::ShiftTab, Key::ShiftTab}) {
    h->press(key);
    seen += " " + h->focus();
  }
  EXPECT_EQ(seen, "txthelp cmdoff txthelp cmdoff txthelp");
}

TEST_P(RealWindowContract, AFailingHandlerIsCaughtAtTheEventBoundary) {
  auto h = make();
  Window& w = h->window();
  w.setText("qcd", "6.6");
  h->guard([&] {
    w.setText("dhz", "1.0");
    throw std::runtime_error("a handler failed");
  });
  h->guard([] { throw 42; });
  ASSERT_EQ(h->warnings().size(), 2u);
  EXPECT_EQ(h->warnings()[1].rfind("提示|", 0), 0u);
  EXPECT_EQ(results(w), Results({"1.0", "", "", ""}));
  EXPECT_EQ(w.text("qcd"), "6.6");
}

}  // namespace
}  // namespace quarnel::test
