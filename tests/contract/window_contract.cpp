// The main window's contract, run by every runner over its own harness (see window_contract.h).
#include "window_contract.h"

#include <filesystem>
#include <stdexcept>

#include "../common/test_support.h"
#include "report/report_handler.h"
#include "ui/handlers.h"

namespace quarnel::test {
namespace {

TEST_P(WindowContract, StartsWithTheStoredTextsInTheExteriorState) {
  auto h = make();
  const Texts defaults = {{"zxh", "A"},     {"zrz", "22"},     {"crz", "0.45"}, {"lmhh", "2.0"},
                          {"lmdh", "3.60"}, {"wmhh", "0.7"},   {"wmdh", "7.0"}, {"gqsl", "0"},
                          {"nrq", "6.858"}, {"yttccd", "1.2"}, {"ytzcd", ""},   {"gqc1", ""},
                          {"zjxs", "0.65"}, {"qcd", ""},       {"dhz", ""},     {"counter", "1"}};
  for (const auto& [name, text] : defaults) EXPECT_EQ(h->window().text(name), text) << name;
  EXPECT_TRUE(h->window().isSelected("optwq"));
  EXPECT_FALSE(h->window().isSelected("Optnq"));
  EXPECT_EQ(h->focus(), "zxh");
}

TEST_P(WindowContract, TextsOfHiddenAndReadOnlyFieldsAndFramesAround) {
  auto h = make();
  Window& w = h->window();
  for (const char* name : {"counter", "dhz", "gqc1", "zjxs"}) {
    w.setText(name, "2.5 层");
    EXPECT_EQ(w.text(name), "2.5 层") << name;
  }
  w.setVisible("gqc1", true);
  EXPECT_FALSE(h->onScreen("gqc1"));
  w.setVisible("Frame7", true);
  EXPECT_TRUE(h->onScreen("gqc1"));
  w.setVisible("Frame2", false);
  EXPECT_FALSE(h->onScreen("gqc1"));
  EXPECT_FALSE(h->onScreen("zrz"));
  EXPECT_EQ(w.text("zrz"), "22");
  w.setFocus("qcd");
  EXPECT_EQ(h->focus(), "qcd");
}

// The controls the wall type switches, each with whether an exterior wall shows it.
const std::pair<const char*, bool> kSwitched[] = {
    {"nrq", true},      {"Frame3", true},  {"Frame7", false},  {"Frame8", false},
    {"Label4", true},   {"Label14", true}, {"yttccd", true},   {"ytzcd", true},
    {"Label13", true},  {"Label15", true}, {"Label32", false}, {"Label33", false},
    {"Label34", false}, {"Label35", true}, {"Label36", false}, {"Label37", false},
    {"Label38", false}, {"gqsl", true},    {"gqc1", false},    {"gqc2", false},
    {"gqds1", false},   {"gqds2", false}};

void expectWallState(WindowHarness& h, bool exterior, const char* step) {
  SCOPED_TRACE(step);
  for (const auto& [name, forExterior] : kSwitched)
    EXPECT_EQ(h.onScreen(name), forExterior == exterior) << name;
  EXPECT_TRUE(h.onScreen("Label9"));
  EXPECT_EQ(h.window().isSelected("optwq"), exterior);
}

TEST_P(WindowContract, WallTypeSwitchShowsTheInputsOfTheSelectedType) {
  auto h = make();
  expectWallState(*h, true, "at start");
  h->window().setText("yttccd", "2.5");
  h->window().setText("gqc1", "4");
  h->pick("Optnq");
  expectWallState(*h, false, "interior picked");
  h->pick("Optnq");
  optwq_Click(h->window());  // its option is not selected: nothing happens
  expectWallState(*h, false, "interior picked again");
  h->pick("optwq");
  expectWallState(*h, true, "exterior picked");
  h->pick("optwq");
  expectWallState(*h, true, "exterior picked again");
  EXPECT_EQ(h->window().text("yttccd"), "2.5");
  EXPECT_EQ(h->window().text("gqc1"), "4");
}

TEST_P(WindowContract, OnlyDigitsBlanksAndWideCharactersAreTypedIntoZrz) {
  const struct {
    const char* field;
    const char* typed;
    const char* text;
  } rows[] = {{"zrz", "2.5", "25"}, {"zrz", "-+eA!/:~", ""},       {"zrz", " 7", " 7"},
              {"zrz", "砖", "砖"},  {"zxh", "2.5-+eA", "2.5-+eA"}, {"lmdh", ".e", ".e"}};
  for (const auto& r : rows) {
    auto h = make();
    h->window().setText(r.field, "");
    h->type(r.field, r.typed);
    EXPECT_EQ(h->window().text(r.field), r.text) << r.field << " " << r.typed;
  }
}

TEST_P(WindowContract, CalculateShowsTheWorkedExamples) {
  for (const Example& e : workedExamples()) {
    auto h = make();
    if (e.interior) h->pick("Optnq");
    setTexts(h->window(), e.texts);
    cmdjs_Click(h->window());
    EXPECT_EQ(results(h->window()), e.results) << e.name;
    EXPECT_TRUE(h->warnings().empty()) << e.name;
  }
}

TEST_P(WindowContract, CalculateWarnsAndWritesNothingForAWallLengthOfZero) {
  const Example& e = workedExamples()[0];
  const std::pair<const char*, const char*> rows[] = {
      {"qcd", "0"}, {"qcd", "0.000"}, {"qcd", "-0"},       {"qcd", "abc"},
      {"qcd", " "}, {"qcd", ""},      {"hhjscs", "40000"}, {"qcd", "6.6m"}};
  for (const auto& [field, text] : rows) {
    SCOPED_TRACE(std::string(field) + " '" + text + "'");
    auto h = make();
    setTexts(h->window(), e.texts);
    cmdjs_Click(h->window());
    h->window().setText(field, text);
    h->window().setFocus("mcmj");
    cmdjs_Click(h->window());
    EXPECT_EQ(results(h->window()), e.results);
    EXPECT_EQ(h->focus(), "mcmj");
    if (std::string(text) == "6.6m") {
      EXPECT_TRUE(h->warnings().empty());
      continue;
    }
    ASSERT_EQ(h->warnings().size(), 1u);
    const std::string box = h->warnings()[0];
    if (std::string(field) == "qcd")
      EXPECT_EQ(box, "提示|墙长度输入错!");
    else
      EXPECT_EQ(box.rfind("提示|楼面计算层数", 0), 0u) << box;
  }
  auto negative = make();
  setTexts(negative->window(), e.texts);
  negative->window().setText("qcd", "-6");
  cmdjs_Click(negative->window());
  EXPECT_TRUE(negative->warnings().empty());
  EXPECT_NE(results(negative->window()), Results(4, ""));
}

TEST_P(WindowContract, ReportClickSetsTheHeaderFlagOnlyWhenTheFileIsWritten) {
  ScratchDir dir;
  for (bool writable : {true, false}) {
    SCOPED_TRACE(writable ? "written" : "the path is a folder");
    const std::string path = dir.file(writable ? "Quarnel书.txt" : "folder");
    if (!writable) std::filesystem::create_directory(std::filesystem::u8path(path));
    auto h = make();
    h->window().setFocus("qcd");
    Cmdjss_Click(h->window(), path);
    EXPECT_EQ(h->window().text("counter"), writable ? "2" : "1");
    EXPECT_EQ(h->focus(), writable ? "zxh" : "qcd");
    ASSERT_EQ(h->warnings().size(), writable ? 0u : 1u);
    if (writable) continue;
    EXPECT_EQ(h->warnings()[0].rfind("提示|", 0), 0u);
    EXPECT_NE(h->warnings()[0].find(path), std::string::npos);
  }
}

TEST_P(WindowContract, AFailingHandlerIsCaughtAtTheEventBoundary) {
  auto h = make();
  Window& w = h->window();
  w.setText("qcd", "6.6");
  if (!h->guard([&] {
        w.setText("dhz", "1.0");
        throw std::runtime_error("a handler failed");
      }))
    GTEST_SKIP() << "this window has no event boundary of its own";
  h->guard([] { throw 42; });
  ASSERT_EQ(h->warnings().size(), 2u);
  EXPECT_EQ(h->warnings()[0].rfind("提示|", 0), 0u);
  EXPECT_EQ(w.text("dhz"), "1.0");
  EXPECT_EQ(w.text("qcd"), "6.6");
  EXPECT_EQ(w.text("zxh"), "A");
}

}  // namespace
}  // namespace quarnel::test
