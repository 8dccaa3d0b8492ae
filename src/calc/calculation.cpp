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

// The text in 「」, cut after 60 characters with the count of all of them, so that a long pasted
// text still gives a box that fits the screen.
std::string quoted(std::string_view text) {
  std::size_t characters = 0, cut = 0;
  for (std::string_view rest = text; !rest.empty(); ++characters) {
    if (characters == 60) cut = text.size() - rest.size();
    rest.remove_prefix(nextUtf8(rest).length);
  }
  if (characters <= 60) return "「" + std::string(text) + "」";
  return "「" + std::string(text.substr(0, cut)) + "…(共 " + std::to_string(characters) +
         " 个字符)」";
}

}  // namespace

WorkingValue workingValue(const Field& field, std::string_view text) {
  if (holdsFullWidth(text))
    return {std::nullopt, {field.name, wordsOf(field) + quoted(text) + "含全角字符，请用半角数字"}};
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
