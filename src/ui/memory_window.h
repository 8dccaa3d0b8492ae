// A window held as a plain table of named texts, visibility flags and option states, built from a
// stored window description. Tests and the batch program run the handlers against it; it records
// the warning boxes shown and where the focus is.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/events.h"
#include "ui/window.h"
#include "ui/window_table.h"

namespace quarnel {

class MemoryWindow : public Window {
 public:
  struct Warning {
    std::string text, title;
  };

  // Every control at its default text and visibility; the first option of each set selected as
  // stored (optwq); the focus where the window opens with it.
  explicit MemoryWindow(const WindowDesc& desc = mainWindow());

  std::string text(std::string_view name) const override;
  void setText(std::string_view name, std::string_view text) override;
  bool isSelected(std::string_view name) const override;
  void setVisible(std::string_view name, bool visible) override;
  void setFocus(std::string_view name) override;
  void warn(std::string_view text, std::string_view title) override;

  // What the user does: selects an option (clearing the other options of its frame).
  void select(std::string_view option);
  // Whether the control is on screen: its own flag and those of all frames around it are set.
  bool onScreen(std::string_view name) const;
  const std::string& focus() const { return focus_; }
  const std::vector<Warning>& warnings() const { return warnings_; }

 private:
  struct State {
    const Control* desc;
    std::string text;
    bool visible;
    bool selected;
  };
  // The control, to which the operation must apply.
  State& at(std::string_view name, Operation operation);
  const State& at(std::string_view name, Operation operation) const;
  State& any(std::string_view name);
  const State& any(std::string_view name) const;

  const WindowDesc& desc_;
  std::vector<State> controls_;  // in the order of the description's controls
  std::string focus_;
  std::vector<Warning> warnings_;
};

// The slot of an in-memory help window.
class MemoryHelpSlot : public HelpSlot {
 public:
  // loaded runs for each newly loaded help window: it raises its Load event.
  explicit MemoryHelpSlot(std::function<void()> loaded) : loaded_(std::move(loaded)) {}
  Window* loaded() override { return window_.get(); }
  void load() override;
  void show() override { ++shown_; }
  void unload() override { window_.reset(); }
  // How often the loaded help window has been shown or brought forward.
  int shown() const { return shown_; }

 private:
  std::function<void()> loaded_;
  std::unique_ptr<MemoryWindow> window_;
  int shown_ = 0;
};

// The program over in-memory windows, wired as the real programs are: the main window as stored,
// the help window's slot (whose Load event is raised through the event table), the report files.
struct MemoryProgram {
  explicit MemoryProgram(ReportFiles reports = {});
  MemoryWindow main;
  MemoryHelpSlot help;
  Shell shell;
};

}  // namespace quarnel
