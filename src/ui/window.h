// The operations through which the handlers reach a window: every control is addressed by its
// name, texts are UTF-8. The in-memory window (for the tests and the batch program), the Qt window
// and the Windows window implement them. The help window is reached through its slot.
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

// The program-wide slot of the help window. The slot keeps its instance for the whole run; the
// window itself is loaded (created with its controls as stored) and unloaded (destroyed) again.
class HelpSlot {
 public:
  virtual ~HelpSlot() = default;
  // The help window while it is loaded, or nullptr.
  virtual Window* loaded() = 0;
  // Creates the window with its controls as stored and raises its Load event; not yet shown.
  virtual void load() = 0;
  // Shows the loaded window modeless and without owner, and brings it forward.
  virtual void show() = 0;
  // Destroys the window and its controls; nothing else changes.
  virtual void unload() = 0;

  bool isLoaded() { return loaded() != nullptr; }
};

}  // namespace quarnel
