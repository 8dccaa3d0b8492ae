#include "ui/handlers.h"

#include <algorithm>
#include <array>
#include <exception>

#include "calc/calculation.h"
#include "report/report_sections.h"
#include "ui/help_text.h"

namespace quarnel {
namespace {

// A control that the wall type shows and hides, and its place in the order in which each of the
// two option handlers sets it.
struct Switched {
  const char* name;
  bool exterior;  // shown for an exterior wall, hidden for an interior wall
  int interiorOrder, exteriorOrder;
};
constexpr std::array<Switched, 22> kSwitched = {{
    {"nrq", true, 1, 1},        {"Frame3", true, 2, 2},     {"Frame7", false, 3, 3},
    {"Frame8", false, 4, 4},    {"Label4", true, 5, 5},     {"Label14", true, 6, 6},
    {"yttccd", true, 7, 7},     {"ytzcd", true, 8, 8},      {"Label13", true, 9, 10},
    {"Label15", true, 10, 11},  {"Label32", false, 11, 12}, {"Label33", false, 12, 13},
    {"Label34", false, 13, 14}, {"Label35", true, 14, 15},  {"Label36", false, 15, 16},
    {"Label37", false, 16, 17}, {"Label38", false, 17, 18}, {"gqsl", true, 18, 9},
    {"gqc1", false, 19, 19},    {"gqc2", false, 20, 20},    {"gqds1", false, 21, 21},
    {"gqds2", false, 22, 22},
}};

void showWallType(Window& w, bool exterior) {
  std::array<const Switched*, 22> order;
  for (const Switched& c : kSwitched)
    order[(exterior ? c.exteriorOrder : c.interiorOrder) - 1] = &c;
  for (const Switched* c : order) w.setVisible(c->name, c->exterior == exterior);
}

std::optional<WallType> selectedWall(const Window& w) {
  if (w.isSelected("optwq")) return WallType::Exterior;
  if (w.isSelected("Optnq")) return WallType::Interior;
  return std::nullopt;
}

}  // namespace

FieldText fieldsOf(const Window& w) {
  return [&w](std::string_view name) { return w.text(name); };
}

std::optional<Failure> calculateInto(Window& w) {
  const Calculation c = calculate(fieldsOf(w), selectedWall(w));
  if (c.failure || !c.results) return c.failure;
  for (std::size_t k = 0; k < kResultFields.size(); ++k)
    w.setText(kResultFields[k], (*c.results)[k]);
  return std::nullopt;
}

std::string reportOf(const Window& w) {
  return reportBytes(fieldsOf(w), !headerWritten(w.text("counter")), w.isSelected("optwq"),
                     w.isSelected("Optnq"));
}

void cmdjs_Click(Window& w) {
  if (const std::optional<Failure> failure = calculateInto(w))
    w.warn(failure->message, kNoticeTitle);
}

void Cmdjss_Click(Window& w, ReportFiles& files) {
  std::string bytes;
  try {
    bytes = reportOf(w);
  } catch (const std::exception& e) {  // no GBK converter on this system
    return w.warn(appendFailureText(files.path, {e.what()}), kNoticeTitle);
  }
  const ReportAppend appended = appendReport(files, bytes);
  if (appended.failure)
    return w.warn(appendFailureText(appended.file, *appended.failure), kNoticeTitle);
  w.setText("counter", "2");
  w.setFocus("zxh");
  if (appended.tellFallback) w.warn(fallbackNotice(files), kNoticeTitle);
}

void Cmdjss_Click(Window& w, const std::string& path) {
  ReportFiles files{path, {}};
  Cmdjss_Click(w, files);
}

void optwq_Click(Window& w) {
  if (w.isSelected("optwq")) showWallType(w, true);
}

void Optnq_Click(Window& w) {
  if (w.isSelected("Optnq")) showWallType(w, false);
}

void zrz_KeyPress(Window&, std::int16_t& KeyAscii) {
  // Control codes, the blank and double-byte characters (negative codes) pass, and the digits.
  if (KeyAscii < 33) return;
  if (KeyAscii >= '0' && KeyAscii <= '9') return;
  KeyAscii = 0;
}

void cmdhelp_Click(HelpSlot& help) {
  if (!help.isLoaded()) help.load();
  help.show();
}

void cmdoff_Click(HelpSlot& help) {
  help.unload();
}

void Form_Load(Window& help) {
  help.setText("txthelp", helpText());
}

}  // namespace quarnel
