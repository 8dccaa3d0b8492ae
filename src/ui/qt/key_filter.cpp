#include "ui/qt/key_filter.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "ui/window_table.h"

namespace quarnel {
namespace {

// The control code of a key pressed with Ctrl (Ctrl+V gives 22), or 0 when it has none.
std::int16_t controlCode(QChar c) {
  char16_t u = c.toUpper().unicode();
  return u >= 0x40 && u <= 0x5F ? static_cast<std::int16_t>(u & 0x1F) : 0;
}

}  // namespace

KeyPressFilter::KeyPressFilter(QWidget& target, Handler handler)
    : QObject(&target), handler_(std::move(handler)) {
  target.installEventFilter(this);
}

bool KeyPressFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  const QString typed = key->text();
  if (typed.isEmpty()) return false;  // no character: arrows, function keys, modifiers
  if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
    // A command such as copy, cut or paste: the handler sees its control code.
    std::int16_t code = typed.size() == 1 ? controlCode(typed[0]) : 0;
    if (code == 0) return false;
    handler_(code);
    return code == 0;
  }
  QString kept;
  for (QChar c : typed) {
    std::int16_t code = keyAscii(c.unicode());
    const std::int16_t before = code;
    handler_(code);
    if (code == before)
      kept += c;
    else if (code > 0)
      kept += QChar(static_cast<char16_t>(code));
  }
  if (kept == typed) return false;
  if (auto* box = qobject_cast<QLineEdit*>(watched); box && !kept.isEmpty()) box->insert(kept);
  return true;
}

}  // namespace quarnel
