#include "ui/events.h"

#include <cstdio>
#include <exception>
#include <string>

#include "calc/calculation.h"
#include "ui/handlers.h"

namespace quarnel {

const char* const kFailureMessage =
    "程序出错，本次操作没有完成。\n窗口中输入的数据都还在，可以检查后再试一次。";

const std::vector<EventRow>& eventTable() {
  using K = std::int16_t&;
  static const std::vector<EventRow> rows = {
      {"frmmain", "cmdjs", Event::Click, [](Shell& s, K) { cmdjs_Click(s.main); }},
      {"frmmain", "Cmdjss", Event::Click, [](Shell& s, K) { Cmdjss_Click(s.main, s.reports); }},
      {"frmmain", "cmdhelp", Event::Click, [](Shell& s, K) { cmdhelp_Click(s.help); }},
      {"frmmain", "Optnq", Event::Click, [](Shell& s, K) { Optnq_Click(s.main); }},
      {"frmmain", "optwq", Event::Click, [](Shell& s, K) { optwq_Click(s.main); }},
      {"frmmain", "zrz", Event::KeyPress, [](Shell& s, K key) { zrz_KeyPress(s.main, key); }},
      {"frmhelp", "cmdoff", Event::Click, [](Shell& s, K) { cmdoff_Click(s.help); }},
      {"frmhelp", "", Event::Load, [](Shell& s, K) { Form_Load(*s.help.loaded()); }},
  };
  return rows;
}

void raise(Shell& shell, std::string_view window, std::string_view control, Event event,
           std::int16_t& keyAscii) {
  for (const EventRow& row : eventTable()) {
    if (row.window != window || row.control != control || row.event != event) continue;
    Window* owner = window == "frmhelp" ? shell.help.loaded() : &shell.main;
    guarded(owner ? *owner : shell.main, [&] { row.handler(shell, keyAscii); });
    return;
  }
}

void raise(Shell& shell, std::string_view window, std::string_view control, Event event) {
  std::int16_t none = 0;
  raise(shell, window, control, event, none);
}

void guarded(Window& owner, const std::function<void()>& handler) {
  std::string reason;
  try {
    handler();
    return;
  } catch (const std::exception& e) {
    reason = e.what();
  } catch (...) {
    reason = "unknown failure";
  }
  std::fprintf(stderr, "quarnel: a handler failed: %s\n", reason.c_str());
  owner.warn(kFailureMessage, kNoticeTitle);
}

}  // namespace quarnel
