// The contract of the main window: the window operations and the handlers, run against every
// implementation of Window. A runner links window_contract.cpp and instantiates the suite with the
// factory of its harness:
//   INSTANTIATE_TEST_SUITE_P(Win32, WindowContract,
//                            testing::Values(Implementation{"win32", &makeWin32Harness}), named);
// A harness builds one main window as stored (exterior wall, defaults, focus in zxh) and gives:
//   window()        the Window under test;
//   pick(option)    the user selects an option button, and its Click handler runs as wired;
//   type(field, t)  the user types the UTF-8 characters of t one by one into a text box (through
//                   the key filter of zrz where there is one);
//   onScreen(name)  whether the control is shown, the frames around it included;
//   focus()         the name of the control with the keyboard focus;
//   warnings()      "title|text" of every warning box shown so far, each closed with OK;
//   guard(handler)  runs a handler inside the program's event boundary; false where there is none.
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "ui/window.h"

namespace quarnel::test {

struct WindowHarness {
  virtual ~WindowHarness() = default;
  virtual Window& window() = 0;
  virtual void pick(const std::string& option) = 0;
  virtual void type(const std::string& field, const std::string& utf8) = 0;
  virtual bool onScreen(const std::string& name) = 0;
  virtual std::string focus() = 0;
  virtual std::vector<std::string> warnings() = 0;
  virtual bool guard(const std::function<void()>& handler) = 0;
};

struct Implementation {
  const char* name;
  std::unique_ptr<WindowHarness> (*make)();
  friend void PrintTo(const Implementation& i, std::ostream* out) { *out << i.name; }
};

inline std::string named(const testing::TestParamInfo<Implementation>& info) {
  return info.param.name;
}

class WindowContract : public testing::TestWithParam<Implementation> {
 protected:
  std::unique_ptr<WindowHarness> make() { return GetParam().make(); }
};

}  // namespace quarnel::test
