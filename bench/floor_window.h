// The two floors of the start-up comparison: the main window's title and size on one empty QWidget,
// and the same window holding one plain Qt widget per control of the stored description.
#pragma once

#include <QWidget>
#include <memory>

namespace quarnel::bench {

// An empty top-level widget with the main window's title and fixed client size.
std::unique_ptr<QWidget> bareWindow();

// bareWindow() holding the 81 controls as plain widgets of their kinds (group box, line edit,
// editable combo box with its list, radio button, push button, label, line frame), with their
// texts, placed absolutely at their stored geometry in their containers, hidden where stored so.
// With captionFrames the frames are the program's own, which draw their captions themselves.
std::unique_ptr<QWidget> plainWindow(bool captionFrames = false);

}  // namespace quarnel::bench
