#include "ui/qt/application.h"

#include <QImage>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTranslator>

#include "quarnel/version.h"
#include "res/icon_xpm.h"
#include "ui/fonts.h"

namespace quarnel {
namespace {

QStringList families(const FontFamilies& font) {
  QStringList list;
  for (const std::string& family : font.all()) list << QString::fromStdString(family);
  return list;
}

}  // namespace

void setUpApplication(QApplication& app) {
  QApplication::setApplicationName(QStringLiteral("Quarnel"));
  QApplication::setApplicationVersion(QLatin1String(kVersion));
  const QLocale chinese(QLocale::Chinese, QLocale::China);
  QLocale::setDefault(chinese);
  auto* qtTexts = new QTranslator(&app);
  if (qtTexts->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(qtTexts);
  QApplication::setFont(textFont());
  QApplication::setWindowIcon(programIcon());
}

QFont textFont() {
  QFont font;
  font.setFamilies(families(textFamilies()));
  // 11 pixels with unrounded glyph widths: the narrowest unit labels ("[kn/m2]" in 40 pixels)
  // take their whole caption.
  font.setPixelSize(11);
  font.setHintingPreference(QFont::PreferVerticalHinting);
  font.setWeight(QFont::Normal);
  return font;
}

QFont captionFont() {
  // The first installed family of the two is taken when the font is first drawn, so that the
  // start-up does not search the font database for it.
  QFont font;
  font.setFamilies(families(captionFamilies()));
  // 10.5 points are 14 pixels at 96 dots per inch; the layout is in the same pixels.
  font.setPixelSize(14);
  font.setWeight(QFont::Normal);
  return font;
}

QIcon programIcon() {
  QIcon icon;
  // From XPM data in the program: an image file would make Qt look through all its image-format
  // plugins first, which costs the start-up a millisecond and half a megabyte.
  icon.addPixmap(QPixmap::fromImage(QImage(icon16_xpm)));
  icon.addPixmap(QPixmap::fromImage(QImage(icon32_xpm)));
  return icon;
}

}  // namespace quarnel
