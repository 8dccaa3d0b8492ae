#include "ui/qt/help_slot.h"

#include <QEvent>

#include "ui/qt/windows.h"

namespace quarnel {

QtHelpSlot::QtHelpSlot(std::function<void(QWidget&)> wire) : wire_(std::move(wire)) {}

QtHelpSlot::~QtHelpSlot() {
  delete window_.data();
}

bool QtHelpSlot::isLoaded() const {
  return view_ != nullptr;
}

Window& QtHelpSlot::load() {
  QWidget* window = buildHelpWindow().release();
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->installEventFilter(this);
  window_ = window;
  view_ = std::make_unique<QtWindow>(*window);
  if (wire_) wire_(*window);
  return *view_;
}

void QtHelpSlot::show() {
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void QtHelpSlot::unload() {
  if (QWidget* window = window_) {
    forget();
    window->close();  // deleted once control is back in the event loop
  }
}

void QtHelpSlot::forget() {
  window_->removeEventFilter(this);
  window_ = nullptr;
  view_.reset();
}

bool QtHelpSlot::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Close && watched == window_) forget();
  return false;
}

}  // namespace quarnel
