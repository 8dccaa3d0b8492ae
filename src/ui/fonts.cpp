#include "ui/fonts.h"

namespace quarnel {

std::vector<std::string> FontFamilies::all() const {
  std::vector<std::string> v = wanted;
  v.insert(v.end(), substitutes.begin(), substitutes.end());
  return v;
}

const FontFamilies& textFamilies() {
  static const FontFamilies font{
      {"宋体", "SimSun", "NSimSun", "新宋体"},
      {"WenQuanYi Micro Hei", "文泉驿微米黑", "Noto Sans CJK SC", "Microsoft YaHei", "微软雅黑",
       "Droid Sans Fallback", "AR PL UMing CN"}};
  return font;
}

const FontFamilies& captionFamilies() {
  static const FontFamilies font{{"隶书", "LiSu", "华文隶书", "STLiti"},
                                 {"AR PL UKai CN", "楷体", "KaiTi", "STKaiti"}};
  return font;
}

}  // namespace quarnel
