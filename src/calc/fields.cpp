#include "calc/fields.h"

#include <algorithm>
#include <stdexcept>
#include <type_traits>

namespace quarnel {
namespace {

// A row of the table, completed step by step.
struct Row {
  Field f;
  Row(const char* name, FieldKind kind, const char* caption, const char* unit, const char* text)
      : f{name, kind, caption, nullptr, unit, text, std::nullopt} {}
  template <typename T>
  Row(const char* name, const char* caption, const char* unit, const char* text, T Inputs::*value)
      : Row(name, FieldKind::Input, caption, unit, text) {
    if constexpr (std::is_same_v<T, double>) f.asDouble = value;
    if constexpr (std::is_same_v<T, float>) f.asFloat = value;
    if constexpr (std::is_same_v<T, std::int16_t>) f.asInt16 = value;
  }
  Row(const char* name, const char* caption, double Loads::*load)
      : Row(name, FieldKind::Result, caption, "kn/m", "") {
    f.load = load;
  }
  Row& called(const char* words) { return f.words = words, *this; }
  Row& only(WallType wall) { return f.shownFor = wall, *this; }
  // An empty text means none: no balcony, no openings, no partition walls, no parapet.
  Row& emptyIsNone() { return f.table.emptyIsNone = true, *this; }
  Row& wholeNumber() { return f.table.whole = true, *this; }
  Row& fraction() { return f.table.leastExcluded = true, f.table.most = 1, *this; }
  Row& basic() { return f.basic = true, *this; }
};

std::vector<Field> table() {
  using I = Inputs;
  constexpr WallType X = WallType::Exterior, N = WallType::Interior;
  const Row rows[] = {
      Row("zxh", FieldKind::Axis, "轴线号", "", "A"),
      Row("zrz", "砖墙容重", "kn/m3", "22", &I::zrz).basic(),
      Row("crz", "门窗容重", "kn/m2", "0.45", &I::crz).basic(),
      Row("lmhh", "楼面活荷", "kn/m2", "2.0", &I::lmhh).basic(),
      Row("lmdh", "楼面恒荷", "kn/m2", "3.60", &I::lmdh).basic(),
      Row("wmhh", "屋面活荷", "kn/m2", "0.7", &I::wmhh).basic(),
      Row("wmdh", "屋面恒荷", "kn/m2", "7.0", &I::wmdh).basic(),
      Row("gqsl", "每层隔墙数量", "道", "0", &I::gqsl).only(X).emptyIsNone(),
      Row("nrq", "女儿墙线荷载", "kn/m", "6.858", &I::nrq).only(X).emptyIsNone().basic(),
      Row("yttccd", "挑出宽度", "m", "1.2", &I::yttccd)
          .only(X)
          .called("阳台挑出宽度")
          .emptyIsNone(),
      Row("ytzcd", "总长  度", "m", "", &I::ytzcd).only(X).called("阳台总长度").emptyIsNone(),
      Row("gqc1", "隔墙长", "m", "", &I::gqc1).only(N).called("轴线一侧隔墙长").emptyIsNone(),
      Row("gqds1", "数量", "", "", &I::gqds1).only(N).called("轴线一侧隔墙数量").emptyIsNone(),
      Row("gqc2", "隔墙长", "m", "", &I::gqc2).only(N).called("轴线另侧隔墙长").emptyIsNone(),
      Row("gqds2", "数量", "", "", &I::gqds2).only(N).called("轴线另侧隔墙数量").emptyIsNone(),
      Row("zscg", "折算层高", "m", "", &I::zscg),
      Row("qcs", "墙体计算层数", "层", "", &I::qcs),
      Row("hhjscs", "楼面计算层数", "层", "", &I::hhjscs).wholeNumber(),
      Row("zjxs", "活荷折减系数", "", "0.65", &I::zjxs).fraction(),
      Row("zsqh", "折算墙厚", "m", "", &I::zsqh),
      Row("qcd", "墙  长度", "m", "", &I::qcd),
      Row("mcmj", "门窗面积", "m2", "", &I::mcmj).emptyIsNone(),
      Row("lmjscd", "楼面计算板跨", "m", "", &I::lmjscd),
      Row("dhz", "恒荷载", &Loads::dhz),
      Row("hhz", "活荷载", &Loads::hhz),
      Row("zjhh", "折减后活荷", &Loads::zjhh),
      Row("hzsjz", "1.2*恒+1.4*活(折减)", &Loads::hzsjz).called("荷载设计值"),
  };
  std::vector<Field> v;
  for (const Row& row : rows) v.push_back(row.f);
  return v;
}

}  // namespace

const std::vector<Field>& fields() {
  static const std::vector<Field> all = table();
  return all;
}

const std::vector<const Field*>& fieldsOf(FieldKind kind) {
  static const auto byKind = [] {
    std::vector<std::vector<const Field*>> v(3);
    for (const Field& f : fields()) v[int(f.kind)].push_back(&f);
    return v;
  }();
  return byKind[int(kind)];
}

const Field& field(std::string_view name) {
  for (const Field& f : fields())
    if (f.name == name) return f;
  throw std::invalid_argument("no field " + std::string(name));
}

std::string withoutBlanks(std::string_view text) {
  std::string s(text);
  s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
  return s;
}

std::string wordsOf(const Field& f) {
  return f.words ? f.words : withoutBlanks(f.caption);
}

}  // namespace quarnel
