#include "ui/qt/qt_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVariant>
#include <stdexcept>

#include "ui/help_text.h"
#include "ui/window_table.h"

namespace quarnel {
namespace {

QString qs(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

// A multi-line box shows its text with lone CRs dropped; the exact text is kept beside it.
constexpr const char* kExactText = "quarnelText";

}  // namespace

QtWindow::QtWindow(QWidget& root) : root_(root) {}

QWidget& QtWindow::widget(std::string_view name) const {
  auto* w = root_.findChild<QWidget*>(qs(name));
  if (!w) throw std::invalid_argument("no control " + std::string(name));
  return *w;
}

std::string QtWindow::text(std::string_view name) const {
  QWidget& w = widget(name);
  if (auto* box = qobject_cast<QLineEdit*>(&w)) return box->text().toStdString();
  if (auto* box = qobject_cast<QComboBox*>(&w)) return box->currentText().toStdString();
  if (auto* box = qobject_cast<QPlainTextEdit*>(&w))
    return box->property(kExactText).toString().toStdString();
  wrongKind(name, "get text");
}

void QtWindow::setText(std::string_view name, std::string_view text) {
  QWidget& w = widget(name);
  if (auto* box = qobject_cast<QLineEdit*>(&w)) {
    box->setText(qs(text));
  } else if (auto* box = qobject_cast<QComboBox*>(&w)) {
    box->setEditText(qs(text));
  } else if (auto* box = qobject_cast<QPlainTextEdit*>(&w)) {
    box->setProperty(kExactText, qs(text));
    box->setPlainText(qs(displayText(text)));
  } else {
    wrongKind(name, "set text");
  }
}

bool QtWindow::isSelected(std::string_view name) const {
  if (auto* option = qobject_cast<QRadioButton*>(&widget(name))) return option->isChecked();
  wrongKind(name, "is selected");
}

void QtWindow::setVisible(std::string_view name, bool visible) {
  widget(name).setVisible(visible);
}

void QtWindow::setFocus(std::string_view name) {
  widget(name).setFocus(Qt::OtherFocusReason);
}

void QtWindow::warn(std::string_view text, std::string_view title) {
  QMessageBox box(QMessageBox::Warning, qs(title), qs(text), QMessageBox::Ok, &root_);
  box.setDefaultButton(QMessageBox::Ok);
  box.exec();
}

}  // namespace quarnel
