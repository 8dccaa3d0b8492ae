// The Qt main window under the window contract, and what only the real widgets have: the layout
// scale, the keyboard order, the option pair, the combo box, the buttons and the help window.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "../common/test_support.h"
#include "../contract/window_contract.h"
#include "app/program.h"
#include "ui/help_text.h"
#include "ui/qt/application.h"

namespace quarnel::test {
namespace {

// Closes every modal message box shown while it lives with its OK button, recording "title|text".
class BoxCatcher {
 public:
  BoxCatcher() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      boxes.push_back((box->windowTitle() + "|" + box->text()).toStdString());
      box->button(QMessageBox::Ok)->click();
    });
    timer_.start(5);
  }
  std::vector<std::string> boxes;

 private:
  QTimer timer_;
};

std::string focusedName(QWidget& window) {
  QWidget* w = window.focusWidget();
  while (w && w->objectName().isEmpty()) w = w->parentWidget();  // a combo box's line edit
  return w ? w->objectName().toStdString() : "";
}

class QtHarness : public WindowHarness {
 public:
  QtHarness() {
    program_.show();
    if (!QTest::qWaitForWindowActive(&program_.mainWidget())) throw std::runtime_error("no window");
  }
  Window& window() override { return program_.main(); }
  void pick(const std::string& option) override {
    QTest::mouseClick(&program_.main().widget(option), Qt::LeftButton);
  }
  void type(const std::string& field, const std::string& utf8) override {
    QWidget* target = &program_.main().widget(field);
    for (QChar c : QString::fromStdString(utf8)) {
      QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(target, &key);
    }
  }
  bool onScreen(const std::string& name) override {
    return program_.main().widget(name).isVisibleTo(&program_.mainWidget());
  }
  std::string focus() override { return focusedName(program_.mainWidget()); }
  std::vector<std::string> warnings() override { return boxes_.boxes; }
  bool guard(const std::function<void()>& handler) override {
    program_.run(handler);
    return true;
  }

 private:
  Program program_;
  BoxCatcher boxes_;
};

std::unique_ptr<WindowHarness> makeQtHarness() {
  return std::make_unique<QtHarness>();
}

INSTANTIATE_TEST_SUITE_P(Qt, WindowContract, testing::Values(Implementation{"qt", &makeQtHarness}),
                         named);

class QtMainWindow : public testing::Test {
 protected:
  void SetUp() override {
    program.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
  }
  QWidget& main() { return program.mainWidget(); }
  template <typename T = QWidget>
  T* control(const char* name) {
    return main().findChild<T*>(QString::fromLatin1(name));
  }
  Program program;
};

TEST_F(QtMainWindow, IsLaidOutAtFifteenTwipsAPixel) {
  EXPECT_EQ(main().size(), QSize(497, 237));
  EXPECT_EQ(main().minimumSize(), main().maximumSize());
  const std::pair<const char*, QRect> rows[] = {{"zrz", {59, 15, 52, 18}},
                                                {"zjxs", {76, 65, 65, 20}},
                                                {"Frame2", {5, 98, 334, 137}},
                                                {"cmdhelp", {421, 68, 69, 22}}};
  for (const auto& [name, rect] : rows) EXPECT_EQ(control(name)->geometry(), rect) << name;
}

TEST_F(QtMainWindow, TabAndShiftTabFollowTheKeyboardOrderInBothWallStates) {
  const QStringList common = {"zrz", "crz", "lmhh", "lmdh", "wmhh", "wmdh"};
  const QStringList tail = {"zscg", "qcs",  "hhjscs", "zjxs",  "zsqh",
                            "qcd",  "mcmj", "lmjscd", "cmdjs", "Cmdjss"};
  for (bool interior : {false, true}) {
    if (interior) QTest::mouseClick(control("Optnq"), Qt::LeftButton);
    const QStringList order = QStringList{"zxh", interior ? "Optnq" : "optwq"} + common +
                              (interior ? QStringList{"gqc1", "gqds1", "gqc2", "gqds2"}
                                        : QStringList{"gqsl", "nrq", "yttccd", "ytzcd"}) +
                              tail;
    for (bool backwards : {false, true}) {
      SCOPED_TRACE(std::string(interior ? "interior" : "exterior") + (backwards ? " back" : ""));
      control(qPrintable(backwards ? order.back() : order.front()))->setFocus();
      QStringList seen = {QString::fromStdString(focusedName(main()))};
      for (int k = 1; k < order.size(); ++k) {
        QTest::keyClick(QApplication::focusWidget(), backwards ? Qt::Key_Backtab : Qt::Key_Tab);
        seen << QString::fromStdString(focusedName(main()));
      }
      if (backwards) std::reverse(seen.begin(), seen.end());
      EXPECT_EQ(seen, order);
    }
  }
}

TEST_F(QtMainWindow, ArrowKeysMoveTheSelectionOfTheOptionPair) {
  QTest::keyClick(control("zxh"), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), control("optwq"));
  QTest::keyClick(control("optwq"), Qt::Key_Down);
  EXPECT_TRUE(control<QRadioButton>("Optnq")->isChecked());
  EXPECT_TRUE(control("gqc1")->isVisibleTo(&main()));
  QTest::keyClick(control("Optnq"), Qt::Key_Up);
  EXPECT_TRUE(control<QRadioButton>("optwq")->isChecked());
}

TEST_F(QtMainWindow, ComboBoxNeitherCompletesNorAddsTypedTexts) {
  auto* zjxs = control<QComboBox>("zjxs");
  QStringList items;
  for (int k = 0; k < zjxs->count(); ++k) items << zjxs->itemText(k);
  EXPECT_EQ(items, (QStringList{"1.00", "0.90", "0.85", "0.70", "0.65", "0.60", "0.55"}));
  zjxs->clearEditText();
  QTest::keyClicks(zjxs->lineEdit(), "0.7");
  QTest::keyClick(zjxs->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(program.main().text("zjxs"), "0.7");
  EXPECT_EQ(zjxs->count(), 7);
  zjxs->setCurrentIndex(0);
  EXPECT_EQ(program.main().text("zjxs"), "1.00");
}

TEST_F(QtMainWindow, ButtonsReachTheirHandlers) {
  ScratchDir home;
  const QByteArray oldHome = qgetenv("HOME");
  qputenv("HOME", QByteArray::fromStdString(home.file("")));
  BoxCatcher boxes;
  QTest::mouseClick(control("cmdjs"), Qt::LeftButton);
  EXPECT_EQ(boxes.boxes, std::vector<std::string>{"提示|墙长度输入错!"});
  QTest::mouseClick(control("Cmdjss"), Qt::LeftButton);
  EXPECT_EQ(program.main().text("counter"), "2");
  EXPECT_FALSE(readBytes(home.file("Quarnel书.txt")).empty());
  qputenv("HOME", oldHome);
  QTest::mouseClick(control("cmdhelp"), Qt::LeftButton);
  QWidget* help = program.help().widget();
  ASSERT_TRUE(help && help->isVisible());
  auto* text = help->findChild<QPlainTextEdit*>("txthelp");
  EXPECT_EQ(text->toPlainText().toStdString(), displayText(helpText()));
  EXPECT_TRUE(text->isReadOnly());
  QTest::mouseClick(control("cmdhelp"), Qt::LeftButton);
  EXPECT_EQ(program.help().widget(), help);
  QTest::mouseClick(help->findChild<QWidget*>("cmdoff"), Qt::LeftButton);
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
