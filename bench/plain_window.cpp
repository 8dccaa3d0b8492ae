// The floor for a window of this size: the main window's 81 controls as plain widgets. For finding
// where the program's start-up goes, each of the program's own start-up steps can be added:
//   plain_window [translations] [font] [icon] [captions] [stylesheet]
// captions: the program's frames, which draw their captions themselves; stylesheet: the frames
// drawn by a style sheet instead, as the program once did, for comparison.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstring>

#include "floor_window.h"
#include "ui/qt/application.h"

namespace {

bool asked(int argc, char* argv[], const char* step) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], step) == 0) return true;
  return false;
}

// The Chinese locale and Qt's own texts in Simplified Chinese, loaded as the program loads them.
void chineseTexts(QApplication& app) {
  const QLocale chinese(QLocale::Chinese, QLocale::China);
  QLocale::setDefault(chinese);
  auto* qtTexts = new QTranslator(&app);
  if (qtTexts->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(qtTexts);
}

// The caption look of the frames as a style sheet, the way the program first drew it.
const char* const kCaptionStyleSheet =
    "QGroupBox { font-family: \"AR PL UKai CN\"; font-size: 14px; font-weight: normal; "
    "color: rgb(0, 0, 255); border: 2px groove rgb(192, 192, 192); margin-top: 7px; }"
    "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; "
    "left: 7px; padding: 0px 1px; background-color: palette(window); }";

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (asked(argc, argv, "translations")) chineseTexts(app);
  if (asked(argc, argv, "font")) QApplication::setFont(quarnel::textFont());
  if (asked(argc, argv, "icon")) QApplication::setWindowIcon(quarnel::programIcon());
  std::unique_ptr<QWidget> window = quarnel::bench::plainWindow(asked(argc, argv, "captions"));
  if (asked(argc, argv, "stylesheet")) window->setStyleSheet(QString::fromUtf8(kCaptionStyleSheet));
  window->show();
  return QApplication::exec();
}
