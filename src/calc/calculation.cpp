#include "calc/calculation.h"

#include <cmath>

#include "calc/number.h"
#include "calc/pattern.h"

namespace quarnel {
namespace {

constexpr ValueType D = ValueType::Double, F = ValueType::Float, I = ValueType::Int16;

constexpr std::array<InputField, 22> kFields = {{
    {"zrz", "砖墙容重", D},           {"crz", "门窗容重", D},
    {"lmhh", "楼面活荷", D},          {"lmdh", "楼面恒荷", D},
    {"wmhh", "屋面活荷", D},          {"wmdh", "屋面恒荷", F},
    {"gqsl", "每层隔墙数量", D},      {"gqc1", "轴线一侧隔墙长", D},
    {"gqc2", "轴线另侧隔墙长", D},    {"gqds1", "轴线一侧隔墙数量", D},
    {"gqds2", "轴线另侧隔墙数量", D}, {"nrq", "女儿墙线荷载", F},
    {"yttccd", "阳台挑出宽度", D},    {"ytzcd", "阳台总长度", F},
    {"zscg", "折算层高", D},          {"qcs", "墙体计算层数", D},
    {"hhjscs", "楼面计算层数", I},    {"zjxs", "活荷折减系数", F},
    {"zsqh", "折算墙厚", D},          {"qcd", "墙长度", D},
    {"mcmj", "门窗面积", D},          {"lmjscd", "楼面计算板跨", D},
}};

// Where each field's value goes in the working values, in the order of kFields.
struct Slot {
  double Inputs::*d = nullptr;
  float Inputs::*f = nullptr;
  std::int16_t Inputs::*i = nullptr;
};
const Slot kSlots[22] = {
    {&Inputs::zrz},
    {&Inputs::crz},
    {&Inputs::lmhh},
    {&Inputs::lmdh},
    {&Inputs::wmhh},
    {nullptr, &Inputs::wmdh},
    {&Inputs::gqsl},
    {&Inputs::gqc1},
    {&Inputs::gqc2},
    {&Inputs::gqds1},
    {&Inputs::gqds2},
    {nullptr, &Inputs::nrq},
    {&Inputs::yttccd},
    {nullptr, &Inputs::ytzcd},
    {&Inputs::zscg},
    {&Inputs::qcs},
    {nullptr, nullptr, &Inputs::hhjscs},
    {nullptr, &Inputs::zjxs},
    {&Inputs::zsqh},
    {&Inputs::qcd},
    {&Inputs::mcmj},
    {&Inputs::lmjscd},
};

std::string outOfRange(const InputField& field) {
  if (field.type == ValueType::Int16)
    return std::string(field.caption) + "超出范围(-32768至32767)，无法计算!";
  return std::string(field.caption) + "的数值超出范围，无法计算!";
}

}  // namespace

const std::array<InputField, 22>& inputFields() {
  return kFields;
}

ReadResult readInputs(const std::function<std::string(std::string_view)>& textOf) {
  Inputs in;
  for (std::size_t k = 0; k < kFields.size(); ++k) {
    const InputField& field = kFields[k];
    const LeadingNumber n = parseLeadingNumber(textOf(field.name));
    std::optional<float> f = field.type == ValueType::Float ? toFloat(n.value) : 0.0f;
    std::optional<std::int16_t> i = field.type == ValueType::Int16 ? toInt16(n.value) : 0;
    if (!n.inRange || !f || !i) return {std::nullopt, outOfRange(field)};
    const Slot& slot = kSlots[k];
    if (slot.d) in.*slot.d = n.value;
    if (slot.f) in.*slot.f = *f;
    if (slot.i) in.*slot.i = *i;
  }
  return {in, ""};
}

ResultTexts formatLoads(const Loads& loads, WallType wall) {
  static const char* const captions[] = {"恒荷载", "活荷载", "折减后活荷", "荷载设计值"};
  const double values[] = {loads.dhz, loads.hhz, loads.zjhh, loads.hzsjz};
  ResultTexts r;
  for (std::size_t k = 0; k < 4; ++k) {
    if (!std::isfinite(values[k])) {
      r.failure = std::string(captions[k]) + "的计算结果超出范围，无法显示!";
      return r;
    }
    bool designOfExterior = k == 3 && wall == WallType::Exterior;
    r.texts[k] = formatNumber(
        values[k], designOfExterior ? Pattern::UpToThreeDecimals : Pattern::OneToThreeDecimals);
  }
  return r;
}

}  // namespace quarnel
