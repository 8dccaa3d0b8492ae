// The main window's contract, run by every runner over its own harness (see window_contract.h).
#include "window_contract.h"

#include <stdexcept>

#include "../common/test_support.h"
#include "calc/calculation.h"
#include "ui/handlers.h"
#include "ui/help_text.h"

namespace quarnel::test {
namespace {

TEST_P(WindowContract, WindowOperationsOnTheStoredWindow) {
  auto h = make();
  Window& w = h->window();
  for (const auto& [name, text] :
       texts("zxh=A zrz=22 crz=0.45 lmhh=2.0 lmdh=3.60 wmhh=0.7 wmdh=7.0 gqsl=0 nrq=6.858 "
             "yttccd=1.2 ytzcd= gqc1= zjxs=0.65 qcd= dhz= counter=1"))
    EXPECT_EQ(w.text(name), text) << name;
  EXPECT_TRUE(w.isSelected("optwq") && !w.isSelected("Optnq"));
  EXPECT_EQ(h->focus(), "zxh");
  for (const char* name : {"counter", "dhz", "gqc1", "zjxs"}) {
    w.setText(name, "2.5 层");
    EXPECT_EQ(w.text(name), "2.5 层") << name;
  }
  w.setVisible("gqc1", true);
  EXPECT_FALSE(h->onScreen("gqc1"));  // its frame is hidden
  w.setVisible("Frame7", true);
  EXPECT_TRUE(h->onScreen("gqc1"));
  w.setVisible("Frame2", false);
  EXPECT_FALSE(h->onScreen("gqc1") || h->onScreen("zrz"));
  EXPECT_EQ(w.text("zrz"), "22");
  w.setFocus("qcd");
  EXPECT_EQ(h->focus(), "qcd");
}

void expectWallState(WindowHarness& h, bool exterior) {
  const std::pair<const char*, bool> switched[] = {
      {"nrq", true},      {"Frame3", true},  {"Frame7", false},   {"Frame8", false},
      {"Label4", true},   {"Label14", true}, {"yttccd", true},    {"ytzcd", true},
      {"Label13", true},  {"Label15", true}, {"Label32", false},  {"Label33", false},
      {"Label34", false}, {"Label35", true}, {"Label36", false},  {"Label37", false},
      {"Label38", false}, {"gqsl", true},    {"gqc1", false},     {"gqc2", false},
      {"gqds1", false},   {"gqds2", false},  {"Label9", exterior}};
  for (const auto& [name, forExterior] : switched)
    EXPECT_EQ(h.onScreen(name), forExterior == exterior) << name << (exterior ? " ext" : " int");
  EXPECT_EQ(h.window().isSelected("optwq"), exterior);
}

TEST_P(WindowContract, WallTypeSwitchShowsTheInputsOfTheSelectedTypeOnly) {
  auto h = make();
  setTexts(h->window(), texts("yttccd=2.5 gqc1=4"));
  for (const char* option : {"", "Optnq", "Optnq", "optwq", "optwq"}) {
    SCOPED_TRACE(option);
    if (*option) h->pick(option);
    const bool exterior = std::string(option) != "Optnq";
    // the handler of the option not selected does nothing
    exterior ? Optnq_Click(h->window()) : optwq_Click(h->window());
    expectWallState(*h, exterior);
  }
  EXPECT_EQ(h->window().text("yttccd"), "2.5");
  EXPECT_EQ(h->window().text("gqc1"), "4");
}

TEST_P(WindowContract, OnlyDigitsBlanksAndWideCharactersAreTypedIntoZrz) {
  const std::tuple<const char*, const char*, const char*> rows[] = {
      {"zrz", "2.5", "25"}, {"zrz", "-+eA!/:~", ""},       {"zrz", " 7", " 7"},
      {"zrz", "砖", "砖"},  {"zxh", "2.5-+eA", "2.5-+eA"}, {"lmdh", ".e", ".e"}};
  for (const auto& [field, typed, text] : rows) {
    auto h = make();
    h->window().setText(field, "");
    h->type(field, typed);
    EXPECT_EQ(h->window().text(field), text) << field << " " << typed;
  }
}

TEST_P(WindowContract, CalculateShowsTheWorkedExamples) {
  for (const Example& e : workedExamples()) {
    auto h = make();
    if (e.interior) h->pick("Optnq");
    for (const auto& [name, text] : e.texts) {  // typed into the emptied field
      h->window().setText(name, "");
      h->type(name, text);
    }
    cmdjs_Click(h->window());
    EXPECT_EQ(results(h->window()), e.results);
    EXPECT_TRUE(h->warnings().empty());
  }
}

// Over the worked exterior example: a zero wall length or a value beyond its type shows one box
// and leaves the earlier results and the focus; anything else computes, long pasted texts included.
TEST_P(WindowContract, CalculateWarnsOnceAndWritesNothingOrComputes) {
  const Example& e = workedExamples()[0];
  const std::string many(30000, '1');
  std::vector<std::tuple<std::string, std::string, std::string>> rows = {
      {"qcd", many, "提示|墙长度"},
      {"hhjscs", "32767.5", "提示|楼面计算层数"},
      {"hhjscs", many, "提示|楼面计算层数"},
      {"lmjscd", "1e308", "提示|恒荷载"},
      {"qcd", "6.6m", ""},
      {"qcd", std::string(30000, ' ') + "6.6", ""},
      {"zxh", "书" + many, ""},
      {"lmjscd", "3.3" + std::string(30000, 'x'), ""},
      {"lmjscd", many.substr(0, 60) + "３",  // quoted up to 60 characters
       "提示|楼面计算板跨「" + many.substr(0, 60) + "…(共 61 个字符)」含全角字符，请用半角数字"}};
  for (const char* zero : {"0", "0.000", "-0", "abc", " ", ""})
    rows.push_back({"qcd", zero, "提示|墙长度输入错!"});
  for (const auto& [field, caption] :
       texts("wmdh=屋面恒荷 nrq=女儿墙线荷载 ytzcd=阳台总长度 zjxs=活荷折减系数"))
    rows.push_back({field, "-3.5e38", "提示|" + caption + "的数值超出范围"});  // beyond a float
  for (const auto& [field, text, warning] : rows) {
    SCOPED_TRACE(field + "=" + text.substr(0, 9));
    auto h = make();
    setTexts(h->window(), e.texts);
    cmdjs_Click(h->window());
    h->window().setText(field, text);
    h->window().setFocus("mcmj");
    cmdjs_Click(h->window());
    EXPECT_EQ(results(h->window()), e.results);
    EXPECT_EQ(h->focus(), "mcmj");
    ASSERT_EQ(h->warnings().size(), warning.empty() ? 0u : 1u);
    EXPECT_EQ(h->warnings().empty() ? "" : h->warnings()[0].substr(0, warning.size()), warning);
  }
  auto negative = make();
  setTexts(negative->window(), texts("qcd=-6 zscg=1"));
  cmdjs_Click(negative->window());
  EXPECT_EQ(results(negative->window()), Results({"6.858", "0.0", "0.0", "8.23"}));
}

// Typed over the worked exterior example's results as a Chinese input method types: a full-width
// digit, point, sign or blank, or 。, shows one box naming field and text (before its range), and
// the results stay; other characters keep the leading number.
TEST_P(WindowContract, FullWidthTypedIntoANumberFieldWarnsAndComputesNothing) {
  const Example& e = workedExamples()[0];
  const std::tuple<const char*, const char*, bool> rows[] = {
      {"qcd", "３．６", true},  {"qcd", "6。6", true},       {"zrz", "1９", true},
      {"zjxs", "０.65", true},  {"lmhh", "＋2", true},       {"mcmj", "－1", true},
      {"lmdh", "3．60", true},  {"zscg", "2.9\u3000", true}, {"hhjscs", "99999５", true},
      {"hhjscs", "5层", false}, {"qcd", "6.6ｍ", false}};
  for (const auto& [name, typed, warns] : rows) {
    SCOPED_TRACE(std::string(name) + "=" + typed);
    auto h = make();
    setTexts(h->window(), e.texts), h->pick("cmdjs");
    h->window().setText(name, ""), h->type(name, typed), h->pick("cmdjs");
    EXPECT_EQ(h->window().text(name), typed);
    EXPECT_EQ(results(h->window()), e.results);
    const std::string box = wordsOf(field(name)) + "「" + typed + "」含全角字符，请用半角数字";
    EXPECT_EQ(h->warnings(), std::vector<std::string>(warns, "提示|" + box));
  }
}

// Each basic datum typed anew between report clicks: the same working value in another form writes
// no header, another value a header stating it (then the first form). The first datum of a header
// line keeps its length, and so the print zones of the line.
TEST_P(WindowContract, AReportAfterChangedBasicDataStatesThemAgain) {
  const std::tuple<const char*, const char*, const char*> rows[] = {
      {"zrz", "022", "24"},    {"crz", "0.450", "0.5"},      {"lmhh", "2", "2.5"},
      {"lmhh", "2.00", "3.0"}, {"lmdh", "3.6", "４.0"},      {"wmhh", ".70", "1.5"},
      {"nrq", "6.8580", "8"},  {"wmdh", "7.00000001", "5.0"}};  // the same float 7
  const std::string header = readBytes(QUARNEL_TEST_DATA "/report/golden/header.txt");
  const std::string sections = golden("exterior_first.txt") + golden("exterior_later.txt");
  for (const auto& [name, same, other] : rows) {
    SCOPED_TRACE(std::string(name) + "=" + other);
    ScratchDir dir;
    auto h = make();
    h->shell().reports = {dir.file("r.txt"), ""};
    for (const char* typed : {"", same, other, ""}) {
      if (*typed) h->window().setText(name, ""), h->type(name, typed);
      h->pick("Cmdjss");
    }
    const std::string stated = wordsOf(field(name)) + "：", first = field(name).text;
    std::string changed = header;
    changed.replace(changed.find(stated + first), stated.size() + first.size(), stated + other);
    EXPECT_EQ(readBytes(dir.file("r.txt")), toGbk(header) + sections + toGbk(changed) + sections);
  }
}

// A window whose texts cannot be read, so that any handler reading one fails.
struct Unreadable : Window {
  Window& w;
  explicit Unreadable(Window& real) : w(real) {}
  std::string text(std::string_view) const override { throw std::runtime_error("unreadable"); }
  void setText(std::string_view n, std::string_view t) override { w.setText(n, t); }
  bool isSelected(std::string_view n) const override { return w.isSelected(n); }
  void setVisible(std::string_view n, bool v) override { w.setVisible(n, v); }
  void setFocus(std::string_view n) override { w.setFocus(n); }
  void warn(std::string_view t, std::string_view title) override { w.warn(t, title); }
};

// Raised through the event table: the help button opens the help window with its instructions, a
// failing handler shows the one box, and the program goes on.
TEST_P(WindowContract, EventsRaisedThroughTheTableRunTheirHandlersInsideTheBoundary) {
  auto h = make();
  Shell& shell = h->shell();
  raise(shell, "frmmain", "cmdhelp", Event::Click);
  ASSERT_TRUE(shell.help.isLoaded());
  EXPECT_EQ(shell.help.loaded()->text("txthelp"), helpText());
  Unreadable unreadable(shell.main);
  Shell failing{unreadable, shell.help, shell.reports};
  raise(failing, "frmmain", "cmdjs", Event::Click);
  raise(shell, "frmmain", "cmdjs", Event::Click);
  EXPECT_EQ(h->warnings(), std::vector<std::string>({std::string("提示|") + kFailureMessage,
                                                     std::string("提示|") + kWallLengthMessage}));
}

}  // namespace
}  // namespace quarnel::test
