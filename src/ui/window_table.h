// The stored description of the two windows: every control with its kind, container, caption or
// default text, visibility at start, geometry in twips and tab index; and the rules that follow
// from it for every window built from it (the in-memory, the Qt and the Windows window). Nothing
// changes the descriptions at run time.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/fields.h"

namespace quarnel {

enum class Kind { Frame, TextBox, ComboBox, Option, Button, Label, Line };

struct Control {
  std::string name;
  Kind kind = Kind::Label;
  std::string container;  // empty: the window's client area
  std::string caption;    // caption, or the default text of a text box or the combo box
  bool visible = true;
  bool readOnly = false;
  bool multiLine = false;  // multi-line with a vertical scroll bar (the help text)
  int left = 0, top = 0, width = 0,
      height = 0;     // twips; a line runs from (left, top) by (width, height)
  int tabIndex = -1;  // -1: takes no keyboard focus
  std::string tooltip;
  std::vector<std::string> items;  // the list of the combo box
  std::string field;               // the field whose box, caption or unit it is; "" for none
  bool unitLabel = false;          // a field's label that shows its unit, not its caption
  // The wall type that shows the control (nothing: both); for an option, the wall type it selects.
  std::optional<WallType> wall;
};

struct WindowDesc {
  std::string name;
  std::string caption;
  int clientWidth, clientHeight;  // twips
  // Both windows have a fixed size. The main window has a minimise and a close box; a tool window
  // has a narrow title bar with a close box only and no task-bar entry.
  bool toolWindow;
  std::vector<Control> controls;  // every container stands before its children
};

// 1440 twips make an inch; 15 make one device-independent pixel (at 96 dots per inch).
constexpr int kTwipsPerInch = 1440;
constexpr int kTwipsPerPixel = 15;

// The main window frmmain with its 81 controls.
const WindowDesc& mainWindow();
// The help window frmhelp with txthelp and cmdoff.
const WindowDesc& helpWindow();
// The control of that name, or nullptr.
const Control* findControl(const WindowDesc& window, std::string_view name);

// What a screen reader calls the field: its words, and its unit in parentheses where it has one
// ("墙长度 (m)", "轴线另侧隔墙数量").
std::string accessibleName(const Field& f);
// The name a screen reader is given for a control beyond its own text: a field's box the name of
// its field, the help text the title of its window; "" for every other control.
std::string accessibleName(const WindowDesc& window, const Control& c);
// The caption label of a field's box, or nullptr when the control is no field's box.
const Control* captionLabel(const WindowDesc& window, const Control& box);

// Whether the control takes the keyboard focus: it has a tab index and is not a frame, label or
// line.
bool takesFocus(const Control& c);
// The controls that take the focus, by ascending tab index.
std::vector<const Control*> keyboardOrder(const WindowDesc& window);
// The control that has the focus when the window opens: the first visible one of the keyboard
// order, or nullptr.
const Control* firstFocus(const WindowDesc& window);
// Whether an option starts selected: the first option of each frame does.
bool startsSelected(const WindowDesc& window, const Control& option);

// The code a key-press handler sees for a typed character: an ASCII character its code, any other
// character a negative code, as a double-byte character arrives.
std::int16_t keyAscii(char16_t c);

// The operations through which the handlers reach the controls of a window.
enum class Operation { GetText, SetText, IsSelected, SetVisible, SetFocus };
// Whether the operation applies to controls of the kind: get text, set text and set focus to text
// boxes and the combo box, is selected to options, set visible to frames, labels, lines and text
// boxes.
bool applies(Operation operation, Kind kind);
// The control of that name, to which the operation applies. Throws std::invalid_argument when the
// window has no such control or the operation does not apply to its kind.
const Control& controlFor(const WindowDesc& window, std::string_view name, Operation operation);

// The controls of the main window that the wall type shows and hides, in the order in which the
// option of that wall type sets them when it is selected.
const std::vector<const Control*>& switchOrder(WallType wall);
// The option of the main window that selects the wall type.
const Control& optionFor(WallType wall);

}  // namespace quarnel
