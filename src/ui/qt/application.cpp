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

QStringList families(const std::vector<std::string>& names) {
  QStringList list;
  for (const std::string& family : names) list << QString::fromStdString(family);
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
  // The substitutes first: the size is theirs. 11 pixels with unrounded glyph widths: the
  // narrowest unit labels ("[kn/m2]" in 40 pixels) take their whole caption. Each family that is
  // not installed costs the start-up a search, so the one a Linux system has comes first.
  const FontFamilies& text = textFamilies();
  std::vector<std::string> names = text.substitutes;
  names.insert(names.end(), text.wanted.begin(), text.wanted.end());
  QFont font;
  font.setFamilies(families(names));
  font.setPixelSize(11);
  font.setHintingPreference(QFont::PreferVerticalHinting);
  font.setWeight(QFont::Normal);
  return font;
}

QFont captionFont() {
  // The first installed family is taken when the font is first drawn, so that the start-up does
  // not search the font database for it; the wanted font under its first name, then the
  // substitutes.
  const FontFamilies& caption = captionFamilies();
  std::vector<std::string> names = {caption.wanted.front()};
  names.insert(names.end(), caption.substitutes.begin(), caption.substitutes.end());
  QFont font;
  font.setFamilies(families(names));
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
