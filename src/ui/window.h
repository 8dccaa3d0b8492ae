// The operations through which the handlers reach a window: every control is addressed by its
// name, texts are UTF-8. One implementation keeps the controls in memory (for tests), the other
// drives the real Qt widgets.
#pragma once

#include <string>
#include <string_view>

namespace quarnel {

class Window {
 public:
  virtual ~Window() = default;

  // The current text of a text box or of the combo box, whether it is visible or not.
  virtual std::string text(std::string_view name) const = 0;
  // Replaces the whole text of a text box; works on read-only and hidden ones too.
  virtual void setText(std::string_view name, std::string_view text) = 0;
  // Whether the option button is the selected one of its set.
  virtual bool isSelected(std::string_view name) const = 0;
  // Sets the own visibility flag of a frame, label, line or text box.
  virtual void setVisible(std::string_view name, bool visible) = 0;
  // Puts the keyboard focus into a text box.
  virtual void setFocus(std::string_view name) = 0;
  // Shows a modal warning box (exclamation icon, one OK button) and returns when it is closed.
  virtual void warn(std::string_view text, std::string_view title) = 0;
};

}  // namespace quarnel
