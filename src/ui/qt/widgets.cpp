#include "ui/qt/widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>

#include "ui/qt/application.h"

namespace quarnel {
namespace {

QString qs(const std::string& s) {
  return QString::fromStdString(s);
}

// A straight grey line between two points of its container.
class LineWidget : public QWidget {
 public:
  LineWidget(const Control& c, QWidget* parent) : QWidget(parent), from_(0, 0), to_(0, 0) {
    QPoint a(pixels(c.left), pixels(c.top)), b(pixels(c.left + c.width), pixels(c.top + c.height));
    QPoint origin(std::min(a.x(), b.x()), std::min(a.y(), b.y()));
    from_ = a - origin;
    to_ = b - origin;
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(QColor(128, 128, 128));
    p.drawLine(from_, to_);
  }

 private:
  QPoint from_, to_;
};

QWidget* makeTextBox(const Control& c, QWidget* parent) {
  if (c.multiLine) {
    auto* box = new QPlainTextEdit(qs(c.caption), parent);
    box->setReadOnly(c.readOnly);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setFocusPolicy(Qt::StrongFocus);
    return box;
  }
  auto* box = new QLineEdit(qs(c.caption), parent);
  box->setReadOnly(c.readOnly);
  box->setCursorPosition(0);
  return box;
}

QWidget* makeComboBox(const Control& c, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setEditable(true);
  box->setCompleter(nullptr);  // a typed "0.7" stays "0.7"
  box->setInsertPolicy(QComboBox::NoInsert);
  for (const std::string& item : c.items) box->addItem(qs(item));
  int stored = box->findText(qs(c.caption));
  box->setCurrentIndex(stored);
  box->setEditText(qs(c.caption));
  return box;
}

// The option set is one stop of the keyboard order, at its selected option; the arrow keys move
// the selection between the options.
void tabStopAtSelection(QRadioButton* option) {
  option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

QWidget* makeOption(const Control& c, QWidget* parent, bool selected) {
  auto* option = new QRadioButton(qs(c.caption), parent);
  option->setChecked(selected);
  tabStopAtSelection(option);
  QObject::connect(option, &QRadioButton::toggled, option,
                   [option] { tabStopAtSelection(option); });
  return option;
}

QWidget* makeWidget(const WindowDesc& desc, const Control& c, QWidget* parent) {
  switch (c.kind) {
    case Kind::Frame:
      return new CaptionFrame(qs(c.caption), parent);
    case Kind::TextBox:
      return makeTextBox(c, parent);
    case Kind::ComboBox:
      return makeComboBox(c, parent);
    case Kind::Option:
      return makeOption(c, parent, startsSelected(desc, c));
    case Kind::Button:
      return new QPushButton(qs(c.caption), parent);
    case Kind::Label: {
      auto* label = new QLabel(qs(c.caption), parent);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case Kind::Line:
      return new LineWidget(c, parent);
  }
  return nullptr;
}

void setKeyboardOrder(const WindowDesc& desc, const std::map<std::string, QWidget*>& widgets) {
  const std::vector<const Control*> order = keyboardOrder(desc);
  for (std::size_t i = 1; i < order.size(); ++i)
    QWidget::setTabOrder(widgets.at(order[i - 1]->name), widgets.at(order[i]->name));
  if (const Control* first = firstFocus(desc))
    widgets.at(first->name)->setFocus(Qt::OtherFocusReason);
}

}  // namespace

CaptionFrame::CaptionFrame(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent), font_(quarnel::captionFont()) {}

void CaptionFrame::paintEvent(QPaintEvent*) {
  const QColor silver(192, 192, 192), white(255, 255, 255), blue(0, 0, 255);
  const int top = 7, right = width() - 1, bottom = height() - 1;
  QPainter p(this);
  // The groove: silver outside at the top and left, white inside; the reverse at right and bottom.
  p.fillRect(0, top, width(), 1, silver);
  p.fillRect(0, top, 1, height() - top, silver);
  p.fillRect(right, top + 1, 1, bottom - top, white);
  p.fillRect(1, bottom, width() - 1, 1, white);
  p.fillRect(1, top + 1, width() - 2, 1, white);
  p.fillRect(1, top + 1, 1, bottom - top - 1, white);
  p.fillRect(right - 1, top + 2, 1, bottom - top - 2, silver);
  p.fillRect(2, bottom - 1, width() - 3, 1, silver);
  // The caption covers the groove: centred in a box of the window's colour 9 pixels wider than it.
  QFontMetrics metrics(font_, this);
  QRectF caption(7, 0, metrics.horizontalAdvance(title()) + 9, metrics.height());
  p.fillRect(caption, palette().color(QPalette::Window));
  p.setFont(font_);
  p.setPen(blue);
  p.drawText(caption, Qt::AlignCenter, title());
}

int pixels(int twips) {
  return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
}

QRect controlRect(const Control& c) {
  if (c.kind != Kind::Line)
    return QRect(pixels(c.left), pixels(c.top), pixels(c.width), pixels(c.height));
  int x1 = pixels(c.left), y1 = pixels(c.top);
  int x2 = pixels(c.left + c.width), y2 = pixels(c.top + c.height);
  return QRect(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1);
}

std::unique_ptr<QWidget> buildControls(const WindowDesc& desc) {
  auto window = std::make_unique<QWidget>();
  window->setObjectName(qs(desc.name));
  std::map<std::string, QWidget*> widgets;
  for (const Control& c : desc.controls) {
    QWidget* parent = c.container.empty() ? window.get() : widgets.at(c.container);
    QWidget* w = makeWidget(desc, c, parent);
    w->setObjectName(qs(c.name));
    w->setGeometry(controlRect(c));
    if (!c.tooltip.empty()) w->setToolTip(qs(c.tooltip));
    if (!c.visible) w->setVisible(false);
    widgets[c.name] = w;
  }
  // What a screen reader says: each field's name, and its caption label as its label. (Qt names an
  // editable combo box by its text on Linux; its edit field, its focus child, carries the name.)
  for (const Control& c : desc.controls) {
    if (std::string name = accessibleName(desc, c); !name.empty()) {
      widgets.at(c.name)->setAccessibleName(qs(name));
      if (auto* box = qobject_cast<QComboBox*>(widgets.at(c.name)))
        box->lineEdit()->setAccessibleName(qs(name));
    }
    if (const Control* label = captionLabel(desc, c))
      static_cast<QLabel*>(widgets.at(label->name))->setBuddy(widgets.at(c.name));
  }
  setKeyboardOrder(desc, widgets);
  return window;
}

}  // namespace quarnel
