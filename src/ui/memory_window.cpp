#include "ui/memory_window.h"

#include <stdexcept>

namespace quarnel {

MemoryWindow::MemoryWindow(const WindowDesc& desc) {
  int firstTab = -1;
  for (const Control& c : desc.controls) {
    controls_.emplace(c.name, State{&c, c.caption, c.visible, false});
    bool focusable = c.kind == Kind::TextBox || c.kind == Kind::ComboBox;
    if (focusable && c.visible && c.tabIndex >= 0 && (firstTab < 0 || c.tabIndex < firstTab)) {
      firstTab = c.tabIndex;
      focus_ = c.name;
    }
  }
  // The first option of each frame starts selected.
  for (const Control& c : desc.controls) {
    if (c.kind != Kind::Option) continue;
    bool taken = false;
    for (auto& [name, s] : controls_)
      if (s.desc->kind == Kind::Option && s.desc->container == c.container && s.selected)
        taken = true;
    if (!taken) controls_.find(c.name)->second.selected = true;
  }
}

MemoryWindow::State& MemoryWindow::any(std::string_view name) {
  auto it = controls_.find(name);
  if (it == controls_.end()) throw std::invalid_argument("no control " + std::string(name));
  return it->second;
}

const MemoryWindow::State& MemoryWindow::any(std::string_view name) const {
  return const_cast<MemoryWindow*>(this)->any(name);
}

MemoryWindow::State& MemoryWindow::at(std::string_view name, Kind kind) {
  State& s = any(name);
  bool fits = s.desc->kind == kind || (kind == Kind::TextBox && s.desc->kind == Kind::ComboBox);
  if (!fits) throw std::invalid_argument("wrong kind of control " + std::string(name));
  return s;
}

const MemoryWindow::State& MemoryWindow::at(std::string_view name, Kind kind) const {
  return const_cast<MemoryWindow*>(this)->at(name, kind);
}

std::string MemoryWindow::text(std::string_view name) const {
  return at(name, Kind::TextBox).text;
}

void MemoryWindow::setText(std::string_view name, std::string_view text) {
  at(name, Kind::TextBox).text = std::string(text);
}

bool MemoryWindow::isSelected(std::string_view name) const {
  return at(name, Kind::Option).selected;
}

void MemoryWindow::setVisible(std::string_view name, bool visible) {
  State& s = any(name);
  if (s.desc->kind != Kind::Frame && s.desc->kind != Kind::Label && s.desc->kind != Kind::TextBox &&
      s.desc->kind != Kind::Line)
    throw std::invalid_argument("cannot hide " + std::string(name));
  s.visible = visible;
}

void MemoryWindow::setFocus(std::string_view name) {
  at(name, Kind::TextBox);
  focus_ = std::string(name);
}

void MemoryWindow::warn(std::string_view text, std::string_view title) {
  warnings_.push_back({std::string(text), std::string(title)});
}

void MemoryWindow::select(std::string_view option) {
  State& chosen = at(option, Kind::Option);
  for (auto& [name, s] : controls_)
    if (s.desc->kind == Kind::Option && s.desc->container == chosen.desc->container)
      s.selected = false;
  chosen.selected = true;
}

bool MemoryWindow::ownVisible(std::string_view name) const {
  return any(name).visible;
}

bool MemoryWindow::onScreen(std::string_view name) const {
  for (const State* s = &any(name);; s = &any(s->desc->container)) {
    if (!s->visible) return false;
    if (s->desc->container.empty()) return true;
  }
}

}  // namespace quarnel
