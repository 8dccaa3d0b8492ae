// The two fonts of the windows: the text font 宋体 (9 points) and the frame-caption font 隶书
// (10.5 points, blue), each a list of families of which a front end takes the first installed.
#pragma once

#include <string>
#include <vector>

namespace quarnel {

struct FontFamilies {
  std::vector<std::string> wanted;       // the font itself, under each of its names
  std::vector<std::string> substitutes;  // where it is not installed, in this order
  // The wanted names, then the substitutes.
  std::vector<std::string> all() const;
};

// The font of all text but the frame captions.
const FontFamilies& textFamilies();
// The font of the frame captions; where none of its families is installed, the text font.
const FontFamilies& captionFamilies();

}  // namespace quarnel
