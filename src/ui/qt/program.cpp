#include "ui/qt/program.h"

#include <QPushButton>
#include <QRadioButton>

#include "report/report_path.h"
#include "ui/qt/key_filter.h"
#include "ui/qt/top_level.h"

namespace quarnel {

QtProgram::QtProgram()
    : mainWidget_(buildWindow(mainWindow())),
      main_(std::make_unique<QtWindow>(*mainWidget_, mainWindow())),
      help_(std::make_unique<QtHelpSlot>([this](QWidget& help) {
        wireEvents(help, helpWindow(), shell_);
        raise(shell_, helpWindow().name, "", Event::Load);
      })),
      shell_{*main_, *help_, {reportPath(), fallbackReportPath()}} {
  wireEvents(*mainWidget_, mainWindow(), shell_);
}

QtProgram::~QtProgram() = default;

void QtProgram::show() {
  mainWidget_->show();
}

void wireEvents(QWidget& root, const WindowDesc& desc, Shell& shell) {
  for (const EventRow& row : eventTable()) {
    if (row.window != desc.name || !*row.control) continue;
    QWidget* control = root.findChild<QWidget*>(QString::fromUtf8(row.control));
    auto raised = [&shell, &row] { raise(shell, row.window, row.control, row.event); };
    if (row.event == Event::KeyPress) {
      new KeyPressFilter(*control, [&shell, &row](std::int16_t& keyAscii) {
        raise(shell, row.window, row.control, row.event, keyAscii);
      });
    } else if (auto* option = qobject_cast<QRadioButton*>(control)) {
      QObject::connect(option, &QRadioButton::toggled, &root, [raised](bool selected) {
        if (selected) raised();
      });
    } else if (auto* button = qobject_cast<QPushButton*>(control)) {
      QObject::connect(button, &QPushButton::clicked, &root, raised);
    }
  }
}

}  // namespace quarnel
