// The window of one report in the load test: which program wrote it and its number are in the
// axis label and in several fields, so that every line of a section tells where it came from.
#pragma once

#include <string>

#include "ui/memory_window.h"

namespace quarnel::reliability {

// Fills the window for report `report` of program `program`: odd reports are interior walls, and
// the axis label carries 2 kB of filler so that every append is large.
inline void fillForLoad(MemoryWindow& w, int program, int report) {
  const std::string tag = "P" + std::to_string(program) + "-" + std::to_string(report);
  w.select(report % 2 == 1 ? "Optnq" : "optwq");
  w.setText("zxh", tag + std::string(2048, '#'));
  for (const char* name : {"zscg", "qcd", "mcmj", "gqc1", "gqc2", "dhz", "zjhh", "hzsjz"})
    w.setText(name, tag);
}

}  // namespace quarnel::reliability
