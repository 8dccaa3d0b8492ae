// The Qt main window under the window contract and the real window's contract.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "../common/test_support.h"
#include "../contract/window_contract.h"
#include "ui/events.h"
#include "ui/qt/application.h"
#include "ui/qt/program.h"

namespace quarnel::test {
namespace {

// The program's main window, shown; every message box is closed with OK and recorded, with its
// icon where it is not the warning's.
class QtHarness : public RealWindowHarness {
 public:
  QtHarness() {
    program.show();
    if (!QTest::qWaitForWindowActive(&main())) throw std::runtime_error("the window is not shown");
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        const QString icon = box->icon() == QMessageBox::Warning ? "" : "(not a warning) ";
        boxes.push_back((icon + box->windowTitle() + "|" + box->text()).toStdString());
        box->button(QMessageBox::Ok)->click();
      }
    });
    timer_.start(5);
  }
  QWidget& main() { return program.mainWidget(); }
  QWidget* control(const std::string& name) {  // cmdoff and txthelp: the help window's
    if (name == "cmdoff" || name == "txthelp")
      return program.help().widget()->findChild<QWidget*>(QString::fromStdString(name));
    return &program.main().widget(name);
  }
  Window& window() override { return program.main(); }
  Shell& shell() override { return program.shell(); }
  void pick(const std::string& name) override {
    QTest::mouseClick(control(name), Qt::LeftButton);
    if (name == "cmdhelp" && !QTest::qWaitForWindowActive(program.help().widget()))
      throw std::runtime_error("the help window is not active");
  }
  void type(const std::string& field, const std::string& utf8) override {
    control(field)->setFocus();                   // a combo box's: its line edit's
    for (QChar c : QString::fromStdString(utf8))  // each a key pressed and released
      QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key(c.toUpper().unicode()),
                          QString(c), Qt::NoModifier);
  }
  bool onScreen(const std::string& name) override { return control(name)->isVisibleTo(&main()); }
  std::string focus() override {  // in the active window; a combo box's line edit counts as it
    QWidget* w =
        (QApplication::activeWindow() ? QApplication::activeWindow() : &main())->focusWidget();
    while (w && w->objectName().isEmpty()) w = w->parentWidget();
    return w ? w->objectName().toStdString() : "";
  }
  std::vector<std::string> warnings() override { return boxes; }
  void guard(const std::function<void()>& handler) override { guarded(window(), handler); }
  void press(Key key) override {
    const Qt::Key keys[] = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Down, Qt::Key_Return};
    QTest::keyClick(QApplication::focusWidget(), keys[int(key)]);
  }
  std::array<int, 4> geometry(const std::string& name) override {
    QRect r = name.empty() ? main().rect() : control(name)->geometry();
    return {r.x(), r.y(), r.width(), r.height()};
  }
  bool fixedSize() override { return main().minimumSize() == main().maximumSize(); }
  std::string listed(int i) override {
    return static_cast<QComboBox*>(control("zjxs"))->itemText(i).toStdString();
  }
  bool helpOpen() override { return program.help().isLoaded(); }
  std::string tooltip(const std::string& name) override {
    return control(name)->toolTip().toStdString();
  }
  std::string accessibleName(const std::string& name) override {  // a combo box's: its edit field's
    QWidget* w = control(name);
    if (auto* box = qobject_cast<QComboBox*>(w)) w = box->lineEdit();
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).toStdString();
  }
  std::string labelOf(const std::string& field) override {  // of the labels among its relations
    std::string said;
    for (const auto& [label, relation] :
         QAccessible::queryAccessibleInterface(control(field))->relations(QAccessible::Label))
      if (qobject_cast<QLabel*>(label->object()))
        said += label->text(QAccessible::Name).toStdString();
    return said;
  }

 private:
  QtProgram program;
  std::vector<std::string> boxes;
  QTimer timer_;
};

std::unique_ptr<WindowHarness> makeQtHarness() {
  return std::make_unique<QtHarness>();
}

const auto kQt = testing::Values(Implementation{"qt", &makeQtHarness});
INSTANTIATE_TEST_SUITE_P(Qt, WindowContract, kQt, testing::PrintToStringParamName());
INSTANTIATE_TEST_SUITE_P(Qt, RealWindowContract, kQt, testing::PrintToStringParamName());

}  // namespace
}  // namespace quarnel::test

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  quarnel::setUpApplication(app);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
