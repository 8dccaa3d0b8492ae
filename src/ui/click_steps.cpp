#include "ui/click_steps.h"

#include "report/report_sections.h"
#include "ui/window_table.h"

namespace quarnel {

FieldText textsOf(const Window& w) {
  return [&w](std::string_view name) { return w.text(name); };
}

std::optional<WallType> selectedWall(const Window& w) {
  for (WallType wall : {WallType::Exterior, WallType::Interior})
    if (w.isSelected(optionFor(wall).name)) return wall;
  return std::nullopt;
}

std::optional<Failure> calculateInto(Window& w, WorkingValues* working) {
  const Calculation c = calculate(textsOf(w), selectedWall(w));
  if (c.failure || !c.results) return c.failure;
  if (working) *working = *c.working;
  const std::vector<const Field*>& results = fieldsOf(FieldKind::Result);
  for (std::size_t k = 0; k < results.size(); ++k) w.setText(results[k]->name, (*c.results)[k]);
  return std::nullopt;
}

namespace {

bool headerDue(const Window& w, const ReportFiles& run) {
  return !headerWritten(w.text("counter")) ||
         (run.statedData && *run.statedData != headerData(textsOf(w)));
}

}  // namespace

std::string reportOf(const Window& w, const ReportFiles& run) {
  return reportBytes(textsOf(w), headerDue(w, run), selectedWall(w));
}

void reported(Window& w, ReportFiles& run) {
  if (headerDue(w, run)) run.statedData = headerData(textsOf(w));
  w.setText("counter", "2");
}

}  // namespace quarnel
