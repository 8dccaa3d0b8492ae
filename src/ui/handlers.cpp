#include "ui/handlers.h"

#include <array>
#include <string>

#include "calc/calculation.h"

namespace quarnel {
namespace {

struct Switched {
  const char* name;
  bool exterior;  // shown for an exterior wall, hidden for an interior wall
};

// The controls that the wall type shows and hides, in the order Optnq_Click sets them.
constexpr std::array<Switched, 22> kInteriorOrder = {{
    {"nrq", true},      {"Frame3", true},  {"Frame7", false},  {"Frame8", false},
    {"Label4", true},   {"Label14", true}, {"yttccd", true},   {"ytzcd", true},
    {"Label13", true},  {"Label15", true}, {"Label32", false}, {"Label33", false},
    {"Label34", false}, {"Label35", true}, {"Label36", false}, {"Label37", false},
    {"Label38", false}, {"gqsl", true},    {"gqc1", false},    {"gqc2", false},
    {"gqds1", false},   {"gqds2", false},
}};

// optwq_Click sets the same controls, but gqsl right after ytzcd.
constexpr std::array<int, 22> kExteriorOrder = {0,  1,  2,  3,  4,  5,  6,  7,  17, 8,  9,
                                                10, 11, 12, 13, 14, 15, 16, 18, 19, 20, 21};

void showWallType(Window& w, bool exterior) {
  for (std::size_t k = 0; k < kInteriorOrder.size(); ++k) {
    const Switched& c = kInteriorOrder[exterior ? kExteriorOrder[k] : k];
    w.setVisible(c.name, c.exterior == exterior);
  }
}

}  // namespace

void cmdjs_Click(Window& w) {
  ReadResult read = readInputs([&w](std::string_view name) { return w.text(name); });
  if (!read.inputs) return w.warn(read.failure, kNoticeTitle);
  if (read.inputs->qcd == 0.0) return w.warn(kWallLengthMessage, kNoticeTitle);
  WallType wall;
  if (w.isSelected("optwq"))
    wall = WallType::Exterior;
  else if (w.isSelected("Optnq"))
    wall = WallType::Interior;
  else
    return;
  // All four texts are made before the first is written, so a failure leaves no mixed results.
  ResultTexts results = formatLoads(computeLoads(*read.inputs, wall), wall);
  if (!results.failure.empty()) return w.warn(results.failure, kNoticeTitle);
  for (std::size_t k = 0; k < kResultFields.size(); ++k)
    w.setText(kResultFields[k], results.texts[k]);
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

}  // namespace quarnel
