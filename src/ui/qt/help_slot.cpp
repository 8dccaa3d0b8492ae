#include "ui/qt/help_slot.h"

#include <QEvent>

#include "ui/qt/top_level.h"

namespace quarnel {

QtHelpSlot::QtHelpSlot(std::function<void(QWidget&)> loaded) : loaded_(std::move(loaded)) {}

QtHelpSlot::~QtHelpSlot() {
  delete window_.data();
}

void QtHelpSlot::load() {
  QWidget* window = buildWindow(helpWindow()).release();
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->installEventFilter(this);
  window_ = window;
  view_ = std::make_unique<QtWindow>(*window, helpWindow());
  if (loaded_) loaded_(*window);
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
