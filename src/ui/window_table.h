// The stored description of the two windows: every control with its kind, container, caption or
// default text, visibility at start, geometry in twips and tab index. The Qt windows and the
// in-memory window are both built from these tables; nothing changes them at run time.
#pragma once

#include <string>
#include <vector>

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
};

struct WindowDesc {
  std::string name;
  std::string caption;
  int clientWidth, clientHeight;  // twips
  std::vector<Control> controls;  // every container stands before its children
};

// 15 twips make one device-independent pixel.
constexpr int kTwipsPerPixel = 15;

// The main window frmmain with its 81 controls.
const WindowDesc& mainWindow();
// The help window frmhelp with txthelp and cmdoff.
const WindowDesc& helpWindow();
// The control of that name, or nullptr.
const Control* findControl(const WindowDesc& window, const std::string& name);

}  // namespace quarnel
