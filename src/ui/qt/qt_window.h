// The window operations over real Qt widgets: each control is the child widget whose objectName is
// its name.
#pragma once

#include <QWidget>

#include "ui/help_text.h"
#include "ui/window.h"
#include "ui/window_table.h"

namespace quarnel {

class QtWindow : public Window {
 public:
  // Works on the widgets under root, built from desc; root must outlive this object.
  QtWindow(QWidget& root, const WindowDesc& desc);

  std::string text(std::string_view name) const override;
  void setText(std::string_view name, std::string_view text) override;
  bool isSelected(std::string_view name) const override;
  void setVisible(std::string_view name, bool visible) override;
  void setFocus(std::string_view name) override;
  void warn(std::string_view text, std::string_view title) override;

  // The widget of the control of that name; throws std::invalid_argument when there is none.
  QWidget& widget(std::string_view name) const;

 private:
  // The widget of the control, to which the operation must apply.
  QWidget& widget(std::string_view name, Operation operation) const;

  QWidget& root_;
  const WindowDesc& desc_;
  MultiLineTexts multiLine_;
};

}  // namespace quarnel
