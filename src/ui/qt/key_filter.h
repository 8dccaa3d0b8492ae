// Passes the characters typed into a text box through a key-press handler, which may discard them.
#pragma once

#include <QObject>
#include <QWidget>
#include <cstdint>
#include <functional>

namespace quarnel {

// The code a key-press handler sees for a typed character: an ASCII character its code, any other
// character a negative code (as a double-byte character arrives).
std::int16_t keyAscii(char16_t c);

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
