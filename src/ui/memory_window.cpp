#include "ui/memory_window.h"

#include <stdexcept>

namespace quarnel {

MemoryWindow::MemoryWindow(const WindowDesc& desc) : desc_(desc) {
  controls_.reserve(desc.controls.size());
  for (const Control& c : desc.controls) {
    bool selected = c.kind == Kind::Option && startsSelected(desc, c);
    // Only the controls whose text the operations reach keep a text of their own.
    const bool text = applies(Operation::GetText, c.kind) || applies(Operation::SetText, c.kind);
    controls_.push_back(State{&c, text ? c.caption : std::string(), c.visible, selected});
  }
  if (const Control* first = firstFocus(desc)) focus_ = first->name;
}

MemoryWindow::State& MemoryWindow::any(std::string_view name) {
  const Control* c = findControl(desc_, name);
  if (!c) throw std::invalid_argument("no control " + std::string(name));
  return controls_[std::size_t(c - desc_.controls.data())];
}

const MemoryWindow::State& MemoryWindow::any(std::string_view name) const {
  return const_cast<MemoryWindow*>(this)->any(name);
}

MemoryWindow::State& MemoryWindow::at(std::string_view name, Operation operation) {
  return controls_[std::size_t(&controlFor(desc_, name, operation) - desc_.controls.data())];
}

const MemoryWindow::State& MemoryWindow::at(std::string_view name, Operation operation) const {
  return const_cast<MemoryWindow*>(this)->at(name, operation);
}

std::string MemoryWindow::text(std::string_view name) const {
  return at(name, Operation::GetText).text;
}

void MemoryWindow::setText(std::string_view name, std::string_view text) {
  at(name, Operation::SetText).text = std::string(text);
}

bool MemoryWindow::isSelected(std::string_view name) const {
  return at(name, Operation::IsSelected).selected;
}

void MemoryWindow::setVisible(std::string_view name, bool visible) {
  at(name, Operation::SetVisible).visible = visible;
}

void MemoryWindow::setFocus(std::string_view name) {
  at(name, Operation::SetFocus);
  focus_ = std::string(name);
}

void MemoryWindow::warn(std::string_view text, std::string_view title) {
  warnings_.push_back({std::string(text), std::string(title)});
}

void MemoryWindow::select(std::string_view option) {
  State& chosen = at(option, Operation::IsSelected);
  for (State& s : controls_)
    if (s.desc->kind == Kind::Option && s.desc->container == chosen.desc->container)
      s.selected = false;
  chosen.selected = true;
}

bool MemoryWindow::onScreen(std::string_view name) const {
  for (const State* s = &any(name);; s = &any(s->desc->container)) {
    if (!s->visible) return false;
    if (s->desc->container.empty()) return true;
  }
}

void MemoryHelpSlot::load() {
  window_ = std::make_unique<MemoryWindow>(helpWindow());
  if (loaded_) loaded_();
}

MemoryProgram::MemoryProgram(ReportFiles reports)
    : help([this] { raise(shell, helpWindow().name, "", Event::Load); }),
      shell{main, help, std::move(reports)} {}

}  // namespace quarnel
