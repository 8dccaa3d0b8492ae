#include "calc/calculation.h"

#include <cmath>

#include "calc/number.h"
#include "calc/pattern.h"
#include "calc/utf8.h"

namespace quarnel {
namespace {

Failure outOfRange(const Field& field) {
  if (field.asInt16) return {field.name, wordsOf(field) + "超出范围(-32768至32767)，无法计算!"};
  return {field.name, wordsOf(field) + "的数值超出范围，无法计算!"};
}

}  // namespace

std::string quotedText(std::string_view text, std::string (*named)(long codePoint)) {
  constexpr std::size_t kShown = 60;
  std::string out = "「";
  std::size_t count = 0;
  for (Utf8Step step{}; !text.empty(); text.remove_prefix(step.length), ++count) {
    step = nextUtf8(text);
    if (count >= kShown) continue;
    const std::string name = named ? named(step.codePoint) : "";
    out += name.empty() ? std::string(text.substr(0, step.length)) : name;
  }
  if (count > kShown) out += "…(共 " + std::to_string(count) + " 个字符)";
  return out + "」";
}

WorkingValue workingValue(const Field& field, std::string_view text) {
  if (holdsFullWidth(text))
    return {std::nullopt,
            {field.name, wordsOf(field) + quotedText(text) + "含全角字符，请用半角数字"}};
  const LeadingNumber n = parseLeadingNumber(text);
  std::optional<double> value;
  if (n.inRange && field.asFloat)
    value = toFloat(n.value);
  else if (n.inRange && field.asInt16)
    value = toInt16(n.value);
  else if (n.inRange)
    value = n.value;
  if (!value) return {std::nullopt, outOfRange(field)};
  return {value, {}};
}

ReadResult readInputs(const FieldText& text) {
  Inputs in;
  for (const Field* field : fieldsOf(FieldKind::Input)) {
    const WorkingValue v = workingValue(*field, text(field->name));
    if (!v.value) return {std::nullopt, v.failure};
    // The value of a float or a 16-bit field converts back exactly.
    if (field->asDouble) in.*field->asDouble = *v.value;
    if (field->asFloat) in.*field->asFloat = static_cast<float>(*v.value);
    if (field->asInt16) in.*field->asInt16 = static_cast<std::int16_t>(*v.value);
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
