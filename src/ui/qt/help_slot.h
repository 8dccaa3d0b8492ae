// The program-wide slot of the help window over Qt widgets.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "ui/qt/qt_window.h"
#include "ui/window.h"

namespace quarnel {

class QtHelpSlot : public QObject, public HelpSlot {
 public:
  // loaded runs for each newly loaded help window: it wires the window's events and raises its
  // Load event.
  explicit QtHelpSlot(std::function<void(QWidget& window)> loaded);
  ~QtHelpSlot() override;

  Window* loaded() override { return view_.get(); }
  void load() override;
  void show() override;
  void unload() override;

  // The loaded help window, or nullptr.
  QWidget* widget() const { return window_; }

 protected:
  // Closing the window by its close box unloads it like cmdoff.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void forget();

  std::function<void(QWidget&)> loaded_;
  QPointer<QWidget> window_;
  std::unique_ptr<QtWindow> view_;
};

}  // namespace quarnel
