// The in-memory window under the window contract; the key codes of the zrz filter; the help text.
#include <gtest/gtest.h>

#include <set>

#include "../common/test_support.h"
#include "../contract/window_contract.h"
#include "ui/events.h"
#include "ui/handlers.h"
#include "ui/help_text.h"
#include "ui/memory_window.h"

namespace quarnel::test {
namespace {

class MemoryHarness : public WindowHarness {
 public:
  Window& window() override { return w_; }
  Shell& shell() override { return program_.shell; }
  void pick(const std::string& name) override {  // through the event table, as the user's click
    const bool help = name == "cmdoff";
    if (!help && findControl(mainWindow(), name)->kind == Kind::Option) w_.select(name);
    raise(program_.shell, help ? "frmhelp" : "frmmain", name, Event::Click);
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

 private:
  MemoryProgram program_;
  MemoryWindow& w_ = program_.main;
};

std::unique_ptr<WindowHarness> makeMemoryHarness() {
  return std::make_unique<MemoryHarness>();
}

INSTANTIATE_TEST_SUITE_P(Memory, WindowContract,
                         testing::Values(Implementation{"memory", &makeMemoryHarness}),
                         testing::PrintToStringParamName());

TEST(ZrzKeyPress, LeavesControlCodesTheBlankDigitsAndWideCharactersAndDropsTheRestAs0) {
  const std::pair<std::int16_t, std::int16_t> rows[] = {
      {-1, -1}, {8, 8},   {32, 32}, {33, 0},  {46, 0},          {47, 0},
      {48, 48}, {57, 57}, {58, 0},  {127, 0}, {-32768, -32768}, {keyAscii(u'砖'), keyAscii(u'砖')}};
  MemoryWindow w;
  for (auto [code, left] : rows) {
    zrz_KeyPress(w, code);
    EXPECT_EQ(code, left);
  }
}

TEST(EventBoundary, LogsTheReasonAndShowsTheOneBox) {
  MemoryWindow w;
  testing::internal::CaptureStderr();
  guarded(w, [] { throw std::runtime_error("disk gone"); });
  EXPECT_NE(testing::internal::GetCapturedStderr().find("disk gone"), std::string::npos);
  ASSERT_EQ(w.warnings().size(), 1u);
  EXPECT_EQ(w.warnings()[0].title + "|" + w.warnings()[0].text,
            std::string("提示|") + kFailureMessage);
}

// A field's name says its words and unit; the 27 names differ, and no other control has one.
TEST(AccessibleName, IsTheFieldsWordsAndUnitAndTellsTheFieldsApart) {
  const std::pair<const char*, const char*> rows[] = {{"zxh", "轴线号"},
                                                      {"zrz", "砖墙容重 (kn/m3)"},
                                                      {"gqsl", "每层隔墙数量 (道)"},
                                                      {"yttccd", "阳台挑出宽度 (m)"},
                                                      {"ytzcd", "阳台总长度 (m)"},
                                                      {"gqc1", "轴线一侧隔墙长 (m)"},
                                                      {"gqds2", "轴线另侧隔墙数量"},
                                                      {"qcd", "墙长度 (m)"},
                                                      {"mcmj", "门窗面积 (m2)"},
                                                      {"dhz", "恒荷载 (kn/m)"},
                                                      {"hzsjz", "荷载设计值 (kn/m)"}};
  for (auto [name, said] : rows) EXPECT_EQ(accessibleName(field(name)), said);
  std::vector<std::string> names;
  for (const Control& c : mainWindow().controls)
    if (std::string name = accessibleName(mainWindow(), c); !name.empty()) names.push_back(name);
  EXPECT_EQ(names.size(), fields().size());
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), fields().size());
}

// The pieces 1 to 14 of the instructions, each after its run of line breaks, up to the signature;
// then the signature ending in one blank, and the contact line of piece 15.
TEST(HelpText, IsThePiecesWithTheirLineBreaksToTheByte) {
  const std::string pieces = readBytes(QUARNEL_TEST_DATA "/ui/help_text_pieces.txt");
  const std::string text = helpText();
  ASSERT_EQ(text.substr(0, pieces.size()), pieces);
  const std::size_t contact = text.find("\r\n\r               Email:");
  EXPECT_EQ(text.find('\r', pieces.size()), contact);
  EXPECT_EQ(text.substr(contact - 1, 1), " ");
}

}  // namespace
}  // namespace quarnel::test
