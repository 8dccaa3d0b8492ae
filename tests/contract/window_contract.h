// The window contracts: WindowContract for every Window, RealWindowContract for the real ones. A
// runner instantiates them with Implementation{"name", &make}. A harness builds the program with
// its main window as stored and gives: window(); shell() the program's windows and reports;
// pick(name) the user clicks an option (its handler runs as wired) or a button (cmdoff: the help
// window's); type(field, t) the user types t into field; onScreen(name) the control and its frames
// shown; focus(); warnings() "title|text" of each box, closed with OK.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "ui/events.h"
#include "ui/window.h"

namespace quarnel::test {

struct WindowHarness {
  virtual ~WindowHarness() = default;
  virtual Window& window() = 0;
  virtual Shell& shell() = 0;
  virtual void pick(const std::string& name) = 0;
  virtual void type(const std::string& field, const std::string& utf8) = 0;
  virtual bool onScreen(const std::string& name) = 0;
  virtual std::string focus() = 0;
  virtual std::vector<std::string> warnings() = 0;
};

enum class Key { Tab, ShiftTab, Down, Return };

// guard(handler) runs a handler inside the event boundary; press(key) in the control with the
// focus; geometry(name) left, top, width and height in pixels at 96 dpi, "" the client area;
// fixedSize() the main window cannot be resized; listed(i) entry i of zjxs's list, "" past its end;
// helpOpen() whether the help window is loaded; tooltip(name) the tooltip the control shows;
// accessibleName(name) what the platform's accessibility interface names the control (txthelp: the
// help window's); labelOf(field) the text of the label that names the field to assistive
// technology.
struct RealWindowHarness : WindowHarness {
  virtual void guard(const std::function<void()>& handler) = 0;
  virtual void press(Key key) = 0;
  virtual std::array<int, 4> geometry(const std::string& name) = 0;
  virtual bool fixedSize() = 0;
  virtual std::string listed(int i) = 0;
  virtual bool helpOpen() = 0;
  virtual std::string tooltip(const std::string& name) = 0;
  virtual std::string accessibleName(const std::string& name) = 0;
  virtual std::string labelOf(const std::string& field) = 0;
};

struct Implementation {
  const char* name;
  std::unique_ptr<WindowHarness> (*make)();
  friend void PrintTo(const Implementation& i, std::ostream* out) { *out << i.name; }
};

class WindowContract : public testing::TestWithParam<Implementation> {
 protected:
  std::unique_ptr<WindowHarness> make() { return GetParam().make(); }
};

class RealWindowContract : public WindowContract {
 protected:
  std::unique_ptr<RealWindowHarness> make() {
    return std::unique_ptr<RealWindowHarness>(
        dynamic_cast<RealWindowHarness*>(GetParam().make().release()));
  }
};

}  // namespace quarnel::test
