#include "app/program.h"

#include <QPushButton>
#include <QRadioButton>

#include "report/report_handler.h"
#include "ui/handlers.h"
#include "ui/help_text.h"
#include "ui/qt/key_filter.h"
#include "ui/qt/message_box.h"
#include "ui/qt/windows.h"

namespace quarnel {
namespace {

template <typename T>
T& child(QWidget& window, const char* name) {
  return *window.findChild<T*>(QString::fromLatin1(name));
}

}  // namespace

Program::Program()
    : mainWidget_(buildMainWindow()),
      main_(std::make_unique<QtWindow>(*mainWidget_)),
      help_(std::make_unique<QtHelpSlot>([this](QWidget& help) { wireHelp(help); })) {
  run = [this](const std::function<void()>& handler) { runHandler(mainWidget_.get(), handler); };
  wireMain();
}

Program::~Program() = default;

void Program::show() {
  mainWidget_->show();
}

void Program::wireMain() {
  QWidget& w = *mainWidget_;
  auto onClick = [&](const char* button, std::function<void()> handler) {
    QObject::connect(&child<QPushButton>(w, button), &QPushButton::clicked, &w,
                     [this, handler] { run(handler); });
  };
  onClick("cmdjs", [this] { cmdjs_Click(*main_); });
  onClick("Cmdjss", [this] { Cmdjss_Click(*main_); });
  onClick("cmdhelp", [this] { cmdhelp_Click(*help_); });

  auto onSelected = [&](const char* option, std::function<void()> handler) {
    QObject::connect(&child<QRadioButton>(w, option), &QRadioButton::toggled, &w,
                     [this, handler](bool selected) {
                       if (selected) run(handler);
                     });
  };
  onSelected("optwq", [this] { optwq_Click(*main_); });
  onSelected("Optnq", [this] { Optnq_Click(*main_); });

  new KeyPressFilter(main_->widget("zrz"), [this](std::int16_t& keyAscii) {
    run([this, &keyAscii] { zrz_KeyPress(*main_, keyAscii); });
  });
}

void Program::wireHelp(QWidget& help) {
  QObject::connect(&child<QPushButton>(help, "cmdoff"), &QPushButton::clicked, &help,
                   [this] { run([this] { cmdoff_Click(*help_); }); });
}

}  // namespace quarnel
