#include "calc/calculation.h"

#include <cmath>

#include "calc/number.h"
#include "calc/pattern.h"

namespace quarnel {
namespace {

constexpr std::array<InputField, 22> kFields = {{
    {"zrz", "砖墙容重", &Inputs::zrz},
    {"crz", "门窗容重", &Inputs::crz},
    {"lmhh", "楼面活荷", &Inputs::lmhh},
    {"lmdh", "楼面恒荷", &Inputs::lmdh},
    {"wmhh", "屋面活荷", &Inputs::wmhh},
    {"wmdh", "屋面恒荷", nullptr, &Inputs::wmdh},
    {"gqsl", "每层隔墙数量", &Inputs::gqsl},
    {"gqc1", "轴线一侧隔墙长", &Inputs::gqc1},
    {"gqc2", "轴线另侧隔墙长", &Inputs::gqc2},
    {"gqds1", "轴线一侧隔墙数量", &Inputs::gqds1},
    {"gqds2", "轴线另侧隔墙数量", &Inputs::gqds2},
    {"nrq", "女儿墙线荷载", nullptr, &Inputs::nrq},
    {"yttccd", "阳台挑出宽度", &Inputs::yttccd},
    {"ytzcd", "阳台总长度", nullptr, &Inputs::ytzcd},
    {"zscg", "折算层高", &Inputs::zscg},
    {"qcs", "墙体计算层数", &Inputs::qcs},
    {"hhjscs", "楼面计算层数", nullptr, nullptr, &Inputs::hhjscs},
    {"zjxs", "活荷折减系数", nullptr, &Inputs::zjxs},
    {"zsqh", "折算墙厚", &Inputs::zsqh},
    {"qcd", "墙长度", &Inputs::qcd},
    {"mcmj", "门窗面积", &Inputs::mcmj},
    {"lmjscd", "楼面计算板跨", &Inputs::lmjscd},
}};

Failure outOfRange(const InputField& field) {
  if (field.asInt16)
    return {field.name, std::string(field.caption) + "超出范围(-32768至32767)，无法计算!"};
  return {field.name, std::string(field.caption) + "的数值超出范围，无法计算!"};
}

}  // namespace

const std::array<InputField, 22>& inputFields() {
  return kFields;
}

ReadResult readInputs(const FieldText& text) {
  Inputs in;
  for (const InputField& field : kFields) {
    const LeadingNumber n = parseLeadingNumber(text(field.name));
    std::optional<float> f = field.asFloat ? toFloat(n.value) : 0.0f;
    std::optional<std::int16_t> i = field.asInt16 ? toInt16(n.value) : 0;
    if (!n.inRange || !f || !i) return {std::nullopt, outOfRange(field)};
    if (field.asDouble) in.*field.asDouble = n.value;
    if (field.asFloat) in.*field.asFloat = *f;
    if (field.asInt16) in.*field.asInt16 = *i;
  }
  return {in, {}};
}

ResultTexts formatLoads(const Loads& loads, WallType wall) {
  static const char* const captions[] = {"恒荷载", "活荷载", "折减后活荷", "荷载设计值"};
  const double values[] = {loads.dhz, loads.hhz, loads.zjhh, loads.hzsjz};
  ResultTexts r;
  for (std::size_t k = 0; k < 4; ++k) {
    if (!std::isfinite(values[k])) {
      r.failure = {kResultFields[k], std::string(captions[k]) + "的计算结果超出范围，无法显示!"};
      return r;
    }
    bool designOfExterior = k == 3 && wall == WallType::Exterior;
    r.texts[k] = formatNumber(
        values[k], designOfExterior ? Pattern::UpToThreeDecimals : Pattern::OneToThreeDecimals);
  }
  return r;
}

Calculation calculate(const FieldText& text, std::optional<WallType> wall) {
  ReadResult read = readInputs(text);
  if (!read.inputs) return {std::nullopt, read.failure};
  if (read.inputs->qcd == 0.0) return {std::nullopt, Failure{"qcd", kWallLengthMessage}};
  if (!wall) return {};
  // All four texts are made before any is shown, so a failure leaves no mixed results.
  ResultTexts results = formatLoads(computeLoads(*read.inputs, *wall), *wall);
  if (results.failure) return {std::nullopt, results.failure};
  return {results.texts, std::nullopt};
}

}  // namespace quarnel
