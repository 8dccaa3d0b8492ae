// A window of the program as a Qt widget, built from its stored description.
#pragma once

#include <QWidget>
#include <memory>

#include "ui/window_table.h"

namespace quarnel {

// The window with every control as stored, its caption, the program icon and a fixed client
// size: the main window with minimise and close boxes but no maximise box; a tool window with a
// close box only, without owner, which counts as an open window of the program, so that the
// program runs while it is open.
std::unique_ptr<QWidget> buildWindow(const WindowDesc& desc);

}  // namespace quarnel
