// One table of cases run against both implementations of the window operations: the in-memory
// window and the real widgets.
#include <QRadioButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "qt_test_util.h"
#include "ui/handlers.h"
#include "ui/memory_window.h"
#include "ui/qt/application.h"
#include "ui/qt/qt_window.h"
#include "ui/qt/windows.h"

using namespace quarnel;

namespace {

// A window under test with what a user or an observer does beside the window operations.
struct Subject {
  virtual ~Subject() = default;
  virtual Window& window() = 0;
  virtual void pick(const char* option) = 0;        // the user selects an option
  virtual bool onScreen(const char* name) = 0;      // shown, frames around it included
  virtual std::string focus() = 0;                  // the control with the focus
  virtual std::vector<std::string> warnings() = 0;  // "title|text" of each box shown
};

struct MemorySubject : Subject {
  MemoryWindow w;
  Window& window() override { return w; }
  void pick(const char* option) override { w.select(option); }
  bool onScreen(const char* name) override { return w.onScreen(name); }
  std::string focus() override { return w.focus(); }
  std::vector<std::string> warnings() override {
    std::vector<std::string> out;
    for (const auto& x : w.warnings()) out.push_back(x.title + "|" + x.text);
    return out;
  }
};

struct QtSubject : Subject {
  std::unique_ptr<QWidget> root = buildMainWindow();
  QtWindow w{*root};
  quarnel::test::BoxCatcher boxes;
  QtSubject() {
    root->show();
    if (!QTest::qWaitForWindowExposed(root.get())) qFatal("the window is not shown");
  }
  Window& window() override { return w; }
  void pick(const char* option) override { QTest::mouseClick(&w.widget(option), Qt::LeftButton); }
  bool onScreen(const char* name) override { return w.widget(name).isVisibleTo(root.get()); }
  std::string focus() override { return quarnel::test::focusedName(*root).toStdString(); }
  std::vector<std::string> warnings() override {
    std::vector<std::string> out;
    for (const auto& b : boxes.boxes()) out.push_back((b.title + "|" + b.text).toStdString());
    return out;
  }
};

using Factory = std::function<std::unique_ptr<Subject>()>;

}  // namespace

Q_DECLARE_METATYPE(Factory)

class ConformanceTest : public QObject {
  Q_OBJECT

  std::unique_ptr<Subject> subject() {
    QFETCH_GLOBAL(Factory, make);
    return make();
  }

 private slots:
  void initTestCase_data() {
    QTest::addColumn<Factory>("make");
    QTest::newRow("memory") << Factory([] { return std::make_unique<MemorySubject>(); });
    QTest::newRow("qt") << Factory([] { return std::make_unique<QtSubject>(); });
  }
  void initTestCase() { setUpApplication(*qApp); }

  void getsAndSetsTextsOfHiddenAndReadOnlyFields() {
    auto s = subject();
    Window& w = s->window();
    QCOMPARE(w.text("counter"), std::string("1"));
    QCOMPARE(w.text("zjxs"), std::string("0.65"));
    QCOMPARE(w.text("gqc1"), std::string());
    for (const char* name : {"counter", "dhz", "gqc1", "zxh"}) {
      w.setText(name, "2.5 层");
      QCOMPARE(w.text(name), std::string("2.5 层"));
    }
    w.setVisible("zxh", false);
    QCOMPARE(w.text("zxh"), std::string("2.5 层"));
  }

  void showsAControlOnlyInsideAShownFrame() {
    auto s = subject();
    Window& w = s->window();
    w.setVisible("gqc1", true);
    QVERIFY(!s->onScreen("gqc1"));
    w.setVisible("Frame7", true);
    QVERIFY(s->onScreen("gqc1"));
    QVERIFY(!s->onScreen("gqds1"));
    w.setVisible("Frame2", false);
    QVERIFY(!s->onScreen("gqc1") && !s->onScreen("zrz") && !s->onScreen("Label1"));
    QVERIFY(s->onScreen("zxh"));
  }

  void tellsTheOptionTheUserPicked() {
    auto s = subject();
    Window& w = s->window();
    QVERIFY(w.isSelected("optwq") && !w.isSelected("Optnq"));
    s->pick("Optnq");
    QVERIFY(!w.isSelected("optwq") && w.isSelected("Optnq"));
    s->pick("optwq");
    QVERIFY(w.isSelected("optwq") && !w.isSelected("Optnq"));
  }

  void movesTheFocus() {
    auto s = subject();
    QCOMPARE(s->focus(), std::string("zxh"));
    s->window().setFocus("qcd");
    QCOMPARE(s->focus(), std::string("qcd"));
  }

  void computesBothWorkedExamples() {
    auto s = subject();
    Window& w = s->window();
    for (auto [name, text] : {std::pair{"gqsl", "1"},
                              {"ytzcd", "3.6"},
                              {"zscg", "2.9"},
                              {"qcs", "6"},
                              {"hhjscs", "5"},
                              {"zsqh", "0.37"},
                              {"qcd", "6.6"},
                              {"mcmj", "3.78"},
                              {"lmjscd", "3.3"}})
      w.setText(name, text);
    cmdjs_Click(w);
    QCOMPARE(w.text("dhz"), std::string("244.219"));
    QCOMPARE(w.text("hhz"), std::string("43.492"));
    QCOMPARE(w.text("zjhh"), std::string("28.27"));
    QCOMPARE(w.text("hzsjz"), std::string("332.64"));

    s->pick("Optnq");
    for (auto [name, text] : {std::pair{"gqc1", "3.3"},
                              {"gqds1", "1"},
                              {"gqc2", "2.4"},
                              {"gqds2", "2"},
                              {"zsqh", "0.24"},
                              {"mcmj", "1.89"},
                              {"lmjscd", "3.9"}})
      w.setText(name, text);
    cmdjs_Click(w);
    QCOMPARE(w.text("dhz"), std::string("209.261"));
    QCOMPARE(w.text("hhz"), std::string("41.73"));
    QCOMPARE(w.text("zjhh"), std::string("27.124"));
    QCOMPARE(w.text("hzsjz"), std::string("289.088"));
    QVERIFY(s->warnings().empty());
  }

  void warnsOfTheDefaultWallLength() {
    auto s = subject();
    cmdjs_Click(s->window());
    QCOMPARE(s->warnings(), std::vector<std::string>{"提示|墙长度输入错!"});
    QCOMPARE(s->window().text("dhz"), std::string());
  }
};

QTEST_MAIN(ConformanceTest)
#include "conformance_test.moc"
