// The event handlers of the main window, named after their control and event. Each runs straight
// through against the window operations, so it runs the same on the real widgets and in memory.
#pragma once

#include <cstdint>

#include "ui/window.h"

namespace quarnel {

// Calculate: reads the 22 inputs, checks the wall length and writes the four results, or shows a
// warning box "提示" and writes nothing.
void cmdjs_Click(Window& w);
// Exterior wall selected: shows its inputs, hides the interior-wall inputs.
void optwq_Click(Window& w);
// Interior wall selected: shows its inputs, hides the exterior-wall inputs.
void Optnq_Click(Window& w);
// Key filter of zrz: KeyAscii is the typed character code; 0 on return discards the character.
void zrz_KeyPress(Window& w, std::int16_t& KeyAscii);

}  // namespace quarnel
