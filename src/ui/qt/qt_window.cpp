#include "ui/qt/qt_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <stdexcept>

#include "ui/help_text.h"

namespace quarnel {
namespace {

QString qs(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

}  // namespace

QtWindow::QtWindow(QWidget& root, const WindowDesc& desc) : root_(root), desc_(desc) {}

QWidget& QtWindow::widget(std::string_view name) const {
  auto* w = root_.findChild<QWidget*>(qs(name));
  if (!w) throw std::invalid_argument("no control " + std::string(name));
  return *w;
}

QWidget& QtWindow::widget(std::string_view name, Operation operation) const {
  controlFor(desc_, name, operation);
  return widget(name);
}

std::string QtWindow::text(std::string_view name) const {
  QWidget& w = widget(name, Operation::GetText);
  if (auto* box = qobject_cast<QComboBox*>(&w)) return box->currentText().toStdString();
  if (qobject_cast<QPlainTextEdit*>(&w)) return multiLine_.get(name);
  return static_cast<QLineEdit&>(w).text().toStdString();
}

void QtWindow::setText(std::string_view name, std::string_view text) {
  QWidget& w = widget(name, Operation::SetText);
  if (auto* box = qobject_cast<QComboBox*>(&w)) {
    box->setEditText(qs(text));
  } else if (auto* box = qobject_cast<QPlainTextEdit*>(&w)) {
    box->setPlainText(qs(multiLine_.set(name, text)));
  } else {
    static_cast<QLineEdit&>(w).setText(qs(text));
  }
}

bool QtWindow::isSelected(std::string_view name) const {
  return static_cast<QRadioButton&>(widget(name, Operation::IsSelected)).isChecked();
}

void QtWindow::setVisible(std::string_view name, bool visible) {
  widget(name, Operation::SetVisible).setVisible(visible);
}

void QtWindow::setFocus(std::string_view name) {
  widget(name, Operation::SetFocus).setFocus(Qt::OtherFocusReason);
}

void QtWindow::warn(std::string_view text, std::string_view title) {
  QMessageBox box(QMessageBox::Warning, qs(title), qs(text), QMessageBox::Ok, &root_);
  box.setDefaultButton(QMessageBox::Ok);
  box.exec();
}

}  // namespace quarnel
