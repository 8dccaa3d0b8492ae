// Qt widgets built from a stored window description: one widget per control, named after it.
#pragma once

#include <QFont>
#include <QGroupBox>
#include <QRect>
#include <QWidget>
#include <memory>

#include "ui/window_table.h"

namespace quarnel {

// A frame drawn as the program's frames look: a 2-pixel silver groove 7 pixels below the top, the
// caption blue in the caption font, 7 pixels from the left, on the window's colour. The controls
// inside keep the window's font and colours. (A style sheet draws the same, but makes every
// control of the window slower to create and to show.)
class CaptionFrame : public QGroupBox {
 public:
  CaptionFrame(const QString& caption, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QFont font_;
};

// Device-independent pixels of a length in twips, to the nearest pixel.
int pixels(int twips);

// The rectangle of a control in pixels, relative to its container's outer top-left corner. A line
// gets the box around its two end points, one pixel wider and higher.
QRect controlRect(const Control& c);

// Builds the widget of a window with one child widget per control: objectName = control name,
// placed at its geometry in its container, with its caption or default text, visibility, read-only
// mode, tooltip and list; the options selected as stored; each field's accessible name, with its
// caption label as its buddy; the keyboard order, with the option set as one stop at its selected
// option; the focus where the window opens with it. Window flags, size and title are the caller's.
std::unique_ptr<QWidget> buildControls(const WindowDesc& desc);

}  // namespace quarnel
