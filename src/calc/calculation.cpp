#include "calc/calculation.h"

#include <cmath>

#include "calc/number.h"
#include "calc/pattern.h"

namespace quarnel {
namespace {

Failure outOfRange(const Field& field) {
  if (field.asInt16) return {field.name, wordsOf(field) + "超出范围(-32768至32767)，无法计算!"};
  return {field.name, wordsOf(field) + "的数值超出范围，无法计算!"};
}

}  // namespace

ReadResult readInputs(const FieldText& text) {
  Inputs in;
  for (const Field* field : fieldsOf(FieldKind::Input)) {
    const LeadingNumber n = parseLeadingNumber(text(field->name));
    std::optional<float> f = field->asFloat ? toFloat(n.value) : 0.0f;
    std::optional<std::int16_t> i = field->asInt16 ? toInt16(n.value) : 0;
    if (!n.inRange || !f || !i) return {std::nullopt, outOfRange(*field)};
    if (field->asDouble) in.*field->asDouble = n.value;
    if (field->asFloat) in.*field->asFloat = *f;
    if (field->asInt16) in.*field->asInt16 = *i;
  }
  return {in, {}};
}

ResultTexts formatLoads(const Loads& loads, WallType wall) {
  ResultTexts r;
  for (const Field* result : fieldsOf(FieldKind::Result)) {
    const double value = loads.*result->load;
    if (!std::isfinite(value)) {
      r.failure = {result->name, wordsOf(*result) + "的计算结果超出范围，无法显示!"};
      return r;
    }
    // The design value of an exterior wall may show no decimal at all.
    const bool designOfExterior = result->load == &Loads::hzsjz && wall == WallType::Exterior;
    r.texts.push_back(formatNumber(
        value, designOfExterior ? Pattern::UpToThreeDecimals : Pattern::OneToThreeDecimals));
  }
  return r;
}

Calculation calculate(const FieldText& text, std::optional<WallType> wall) {
  ReadResult read = readInputs(text);
  if (!read.inputs) return {std::nullopt, read.failure, std::nullopt};
  if (read.inputs->qcd == 0.0)
    return {std::nullopt, Failure{"qcd", kWallLengthMessage}, std::nullopt};
  if (!wall) return {};
  // All texts are made before any is shown, so a failure leaves no mixed results.
  const WorkingValues working = computeWorkingValues(*read.inputs, *wall);
  ResultTexts results = formatLoads(working.loads, *wall);
  if (results.failure) return {std::nullopt, results.failure, std::nullopt};
  return {results.texts, std::nullopt, working};
}

}  // namespace quarnel
