// The contract of the main window's operations and handlers, for every implementation of Window.
// A runner links window_contract.cpp and instantiates the suite with its harness's factory:
//   INSTANTIATE_TEST_SUITE_P(W, WindowContract, testing::Values(Implementation{"w", &make}),
//   named);
// A harness builds the main window as stored (exterior wall, defaults, focus in zxh) and gives:
// window() the Window under test; pick(option) the user selects an option and its Click handler
// runs as wired; type(field, t) the user types the UTF-8 characters of t one by one (through the
// key filter of zrz); onScreen(name) whether the control is shown, its frames included; focus()
// the control with the keyboard focus; warnings() "title|text" of each box shown, closed with OK;
// guard(handler) runs a handler inside the event boundary, false where the window has none.
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
