// Helpers of the window tests: modal boxes closed as they appear, typing, and the control that
// holds the focus.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <vector>

namespace quarnel::test {

// Closes every modal message box shown while it lives with its OK button, and records it.
class BoxCatcher {
 public:
  struct Box {
    QString title, text;
    QMessageBox::Icon icon;
    QStringList buttons;  // the texts of its buttons
  };

  BoxCatcher() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { closeBox(); });
    timer_.start();
  }
  const std::vector<Box>& boxes() const { return boxes_; }

 private:
  void closeBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    Box seen{box->windowTitle(), box->text(), box->icon(), {}};
    for (QAbstractButton* b : box->buttons()) seen.buttons << b->text();
    boxes_.push_back(seen);
    if (QAbstractButton* ok = box->button(QMessageBox::Ok))
      ok->click();
    else
      box->reject();
  }

  QTimer timer_;
  std::vector<Box> boxes_;
};

// The name of the control that holds the focus in window; a combo box's own line edit counts as
// the combo box.
inline QString focusedName(QWidget& window) {
  QWidget* w = window.focusWidget();
  while (w && w->objectName().isEmpty()) w = w->parentWidget();
  return w ? w->objectName() : QString();
}

// Empties a text box or the text of a combo box and types text into it through key events.
inline void typeInto(QWidget& w, const QString& text) {
  if (auto* combo = qobject_cast<QComboBox*>(&w)) {
    combo->clearEditText();
    QTest::keyClicks(combo->lineEdit(), text);
    return;
  }
  auto* box = qobject_cast<QLineEdit*>(&w);
  QVERIFY(box);
  box->clear();
  QTest::keyClicks(box, text);
}

}  // namespace quarnel::test
