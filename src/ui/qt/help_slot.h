// The program-wide slot of the help window over Qt widgets.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "ui/help_text.h"
#include "ui/qt/qt_window.h"

namespace quarnel {

class QtHelpSlot : public QObject, public HelpSlot {
 public:
  // wire connects the events of each newly loaded help window (the click of cmdoff).
  explicit QtHelpSlot(std::function<void(QWidget& window)> wire);
  ~QtHelpSlot() override;

  bool isLoaded() const override;
  Window& load() override;
  void show() override;
  void unload() override;

  // The loaded help window, or nullptr.
  QWidget* widget() const { return window_; }

 protected:
  // Closing the window by its close box unloads it like cmdoff.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void forget();

  std::function<void(QWidget&)> wire_;
  QPointer<QWidget> window_;
  std::unique_ptr<QtWindow> view_;
};

}  // namespace quarnel
