// The Qt main window under the window contract, and what only the real widgets have: the layout
// scale, the keyboard order, the combo box and the buttons' wiring.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "../common/test_support.h"
#include "../contract/window_contract.h"
#include "app/program.h"
#include "ui/qt/application.h"

namespace quarnel::test {
namespace {

// The program's main window, shown; every message box is closed with OK and recorded.
class QtHarness : public WindowHarness {
 public:
  QtHarness() {
    program.show();
    if (!QTest::qWaitForWindowActive(&main())) throw std::runtime_error("the window is not shown");
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        boxes.push_back((box->windowTitle() + "|" + box->text()).toStdString());
        box->button(QMessageBox::Ok)->click();
      }
    });
    timer_.start(5);
  }
  QWidget& main() { return program.mainWidget(); }
  QWidget* control(const std::string& name) { return &program.main().widget(name); }
  Window& window() override { return program.main(); }
  void pick(const std::string& option) override {
    QTest::mouseClick(control(option), Qt::LeftButton);
  }
  void type(const std::string& field, const std::string& utf8) override {
    for (QChar c : QString::fromStdString(utf8)) {
      QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(control(field), &key);
    }
  }
  bool onScreen(const std::string& name) override { return control(name)->isVisibleTo(&main()); }
  std::string focus() override {  // a combo box's line edit counts as the combo box
    QWidget* w = main().focusWidget();
    while (w && w->objectName().isEmpty()) w = w->parentWidget();
    return w ? w->objectName().toStdString() : "";
  }
  std::vector<std::string> warnings() override { return boxes; }
  bool guard(const std::function<void()>& handler) override {
    program.run(handler);
    return true;
  }
  Program program;
  std::vector<std::string> boxes;

 private:
  QTimer timer_;
};

std::unique_ptr<WindowHarness> makeQtHarness() {
  return std::make_unique<QtHarness>();
}

INSTANTIATE_TEST_SUITE_P(Qt, WindowContract, testing::Values(Implementation{"qt", &makeQtHarness}),
                         named);

class QtMainWindow : public testing::Test, public QtHarness {};

TEST_F(QtMainWindow, IsLaidOutAtFifteenTwipsAPixel) {
  EXPECT_EQ(main().size(), QSize(497, 237));
  EXPECT_EQ(main().minimumSize(), main().maximumSize());
  const std::pair<const char*, QRect> rows[] = {{"zrz", {59, 15, 52, 18}},
                                                {"zjxs", {76, 65, 65, 20}},
                                                {"Frame2", {5, 98, 334, 137}},
                                                {"cmdhelp", {421, 68, 69, 22}}};
  for (const auto& [name, rect] : rows) EXPECT_EQ(control(name)->geometry(), rect) << name;
}

TEST_F(QtMainWindow, TabFollowsTheKeyboardOrderWithOneStopForTheOptionPair) {
  const std::string common = "zrz crz lmhh lmdh wmhh wmdh ";
  const std::string tail = " zscg qcs hhjscs zjxs zsqh qcd mcmj lmjscd cmdjs Cmdjss";
  for (const std::string& order : {"zxh optwq " + common + "gqsl nrq yttccd ytzcd" + tail,
                                   "zxh Optnq " + common + "gqc1 gqds1 gqc2 gqds2" + tail}) {
    control("optwq")->setFocus();
    if (order.find("Optnq") != std::string::npos) QTest::keyClick(control("optwq"), Qt::Key_Down);
    control("zxh")->setFocus();
    std::string seen = focus();
    while (seen.size() < order.size()) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      seen += " " + focus();
    }
    EXPECT_EQ(seen, order);
  }
}

TEST_F(QtMainWindow, ComboBoxNeitherCompletesNorAddsTypedTexts) {
  auto* zjxs = static_cast<QComboBox*>(control("zjxs"));
  zjxs->setFocus();
  zjxs->clearEditText();
  QTest::keyClicks(zjxs->lineEdit(), "0.7");
  QTest::keyClick(zjxs->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(program.main().text("zjxs"), "0.7");
  EXPECT_EQ(zjxs->count(), 7);
}

TEST_F(QtMainWindow, ButtonsReachTheirHandlers) {
  ScratchDir home;
  qputenv("HOME", QByteArray::fromStdString(home.file("")));
  QTest::mouseClick(control("cmdjs"), Qt::LeftButton);
  EXPECT_EQ(boxes, std::vector<std::string>{"提示|墙长度输入错!"});
  QTest::mouseClick(control("Cmdjss"), Qt::LeftButton);
  EXPECT_EQ(readBytes(home.file("Quarnel书.txt")).substr(0, 70), std::string(70, '-'));
  QTest::mouseClick(control("cmdhelp"), Qt::LeftButton);
  ASSERT_TRUE(program.help().isLoaded());
  QTest::mouseClick(program.help().widget()->findChild<QWidget*>("cmdoff"), Qt::LeftButton);
  EXPECT_FALSE(program.help().isLoaded());
}

}  // namespace
}  // namespace quarnel::test

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  quarnel::setUpApplication(app);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
