// The program's application-wide settings: name and version, the Chinese (PRC) locale with Qt's own
// texts in Simplified Chinese, the fonts and the icon.
#pragma once

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QString>

namespace quarnel {

// Sets name, version, locale, Qt's Simplified-Chinese translations, the text font and the icon.
void setUpApplication(QApplication& app);

// The font of all text but the frame captions: a Simplified-Chinese sans font, 11 pixels.
QFont textFont();

// The font of the frame captions: "隶书" where it is installed, else the Kai font of Debian; 10.5
// points at 96 dots per inch, normal weight.
QFont captionFont();

// The program's icon, a 16 x 16 and a 32 x 32 image.
QIcon programIcon();

}  // namespace quarnel
