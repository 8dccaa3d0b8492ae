#include "ui/qt/message_box.h"

#include <QMessageBox>
#include <QtGlobal>
#include <exception>

#include "calc/calculation.h"

namespace quarnel {

const char* const kFailureMessage =
    "程序出错，本次操作没有完成。\n窗口中输入的数据都还在，可以检查后再试一次。";

void showWarning(QWidget* parent, const QString& text, const QString& title) {
  QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
  box.setDefaultButton(QMessageBox::Ok);
  box.exec();
}

void runHandler(QWidget* parent, const std::function<void()>& handler) {
  const char* reason = nullptr;
  try {
    handler();
    return;
  } catch (const std::exception& e) {
    reason = e.what();
  } catch (...) {
    reason = "unknown failure";
  }
  qWarning("quarnel: a handler failed: %s", reason);
  showWarning(parent, QString::fromUtf8(kFailureMessage), QString::fromUtf8(kNoticeTitle));
}

}  // namespace quarnel
