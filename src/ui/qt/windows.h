// The two windows of the program as Qt widgets, built from their stored descriptions.
#pragma once

#include <QWidget>
#include <memory>

namespace quarnel {

// The main window frmmain: fixed client size, minimise and close boxes but no maximise box, the
// program icon, blue frame captions; every control built from the stored description.
std::unique_ptr<QWidget> buildMainWindow();

// The help window frmhelp: a fixed-size tool window with a close box only, without owner; it
// counts as an open window of the program, so the program runs while it is open.
std::unique_ptr<QWidget> buildHelpWindow();

}  // namespace quarnel
