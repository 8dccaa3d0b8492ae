// Passes the characters typed into a text box through a key-press handler, which may discard them.
#pragma once

#include <QObject>
#include <QWidget>
#include <cstdint>
#include <functional>

namespace quarnel {

class KeyPressFilter : public QObject {
 public:
  using Handler = std::function<void(std::int16_t& keyAscii)>;

  // Filters the key presses of target, a QLineEdit, through handler for as long as both live.
  KeyPressFilter(QWidget& target, Handler handler);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Handler handler_;
};

}  // namespace quarnel
