#include "floor_window.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <map>

#include "ui/qt/widgets.h"
#include "ui/window_table.h"

namespace quarnel::bench {
namespace {

QString qs(const std::string& s) {
  return QString::fromStdString(s);
}

int px(int twips) {
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

QWidget* plainWidget(const Control& c, QWidget* parent, bool captionFrames) {
  switch (c.kind) {
    case Kind::Frame:
      if (captionFrames) return new CaptionFrame(qs(c.caption), parent);
      return new QGroupBox(qs(c.caption), parent);
    case Kind::TextBox:
      return new QLineEdit(qs(c.caption), parent);
    case Kind::ComboBox: {
      auto* box = new QComboBox(parent);
      box->setEditable(true);
      for (const std::string& item : c.items) box->addItem(qs(item));
      box->setEditText(qs(c.caption));
      return box;
    }
    case Kind::Option:
      return new QRadioButton(qs(c.caption), parent);
    case Kind::Button:
      return new QPushButton(qs(c.caption), parent);
    case Kind::Label:
      return new QLabel(qs(c.caption), parent);
    case Kind::Line: {
      auto* line = new QFrame(parent);
      line->setFrameShape(c.height == 0 ? QFrame::HLine : QFrame::VLine);
      return line;
    }
  }
  return nullptr;
}

// The box of a control in pixels; a line's box is at least one pixel thick.
QRect box(const Control& c) {
  QRect r(px(c.left), px(c.top), px(c.width), px(c.height));
  return c.kind == Kind::Line ? r.normalized().adjusted(0, 0, 1, 1) : r;
}

}  // namespace

std::unique_ptr<QWidget> bareWindow() {
  const WindowDesc& desc = mainWindow();
  auto window = std::make_unique<QWidget>();
  window->setWindowTitle(qs(desc.caption));
  window->setFixedSize(px(desc.clientWidth), px(desc.clientHeight));
  return window;
}

std::unique_ptr<QWidget> plainWindow(bool captionFrames) {
  std::unique_ptr<QWidget> window = bareWindow();
  std::map<std::string, QWidget*> made;
  for (const Control& c : mainWindow().controls) {
    QWidget* parent = c.container.empty() ? window.get() : made.at(c.container);
    QWidget* w = plainWidget(c, parent, captionFrames);
    w->setGeometry(box(c));
    if (!c.visible) w->hide();
    made[c.name] = w;
  }
  return window;
}

}  // namespace quarnel::bench
