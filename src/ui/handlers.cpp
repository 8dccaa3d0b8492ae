#include "ui/handlers.h"

#include <exception>

#include "ui/click_steps.h"
#include "ui/help_text.h"
#include "ui/window_table.h"

namespace quarnel {
namespace {

// Shows the inputs of the wall type and hides those of the other, in the order of its option,
// when its option is the selected one.
void showWallType(Window& w, WallType wall) {
  if (!w.isSelected(optionFor(wall).name)) return;
  for (const Control* c : switchOrder(wall)) w.setVisible(c->name, c->wall == wall);
}

}  // namespace

void cmdjs_Click(Window& w) {
  if (const std::optional<Failure> failure = calculateInto(w))
    w.warn(failure->message, kNoticeTitle);
}

void Cmdjss_Click(Window& w, ReportFiles& files) {
  std::string bytes;
  try {
    bytes = reportOf(w, files);
  } catch (const std::exception& e) {  // no GBK converter on this system
    return w.warn(appendFailureText(files.path, {e.what()}), kNoticeTitle);
  }
  const ReportAppend appended = appendReport(files, bytes);
  if (appended.failure)
    return w.warn(appendFailureText(appended.file, *appended.failure), kNoticeTitle);
  reported(w, files);
  w.setFocus("zxh");
  if (appended.tellPlace) w.warn(placeNotice(files, appended), kNoticeTitle);
}

void optwq_Click(Window& w) {
  showWallType(w, WallType::Exterior);
}

void Optnq_Click(Window& w) {
  showWallType(w, WallType::Interior);
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
