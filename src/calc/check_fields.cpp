#include "calc/check_fields.h"

#include <stdexcept>

#include "calc/number.h"
#include "calc/utf8.h"

namespace quarnel {
namespace {

std::vector<Choice> gradeChoices(const std::vector<double>& grades, std::string (*name)(double)) {
  std::vector<Choice> choices;
  for (auto grade = grades.rbegin(); grade != grades.rend(); ++grade)
    choices.push_back({name(*grade), *grade});
  return choices;
}

// A row of the table, completed step by step.
struct Row {
  CheckField f;
  Row(const char* name, const char* words, const char* symbol, const char* unit, CheckNeed need,
      double WallCheckInputs::*number)
      : f{name, words, symbol, unit, {}, need, nullptr, nullptr, number, {}} {}
  Row& choices(std::vector<Choice> list) { return f.choices = std::move(list), *this; }
  Row& positive() { return f.table.leastExcluded = true, *this; }
  Row& byDefault(const char* text) { return f.defaultText = text, *this; }
  Row& byDefaultField(const char* name) { return f.defaultField = name, *this; }
};

std::vector<CheckField> table() {
  using I = WallCheckInputs;
  using N = CheckNeed;
  const Row rows[] = {
      Row("qh", "墙厚", "h", "mm", N::Always, &I::thickness).positive(),
      Row("ktdj", "块体强度等级", "MU", "", N::Always, &I::mu)
          .choices(gradeChoices(brickGrades(), brickGradeName)),
      Row("sjdj", "砂浆强度等级", "M", "", N::Always, &I::m)
          .choices(gradeChoices(mortarGrades(), mortarGradeName)),
      Row("jsgd", "计算高度", "H0", "m", N::UnlessStorey, nullptr).positive(),
      Row("cg", "层高", "H", "m", N::UnlessHeight, &I::storeyHeight).positive(),
      Row("hqjj", "横墙间距", "s", "m", N::UnlessHeight, &I::spacing).positive(),
      Row("jsdy", "计算单元长度", "l", "m", N::Optional, &I::unitLength)
          .positive()
          .byDefaultField("qcd"),
      Row("dkkd", "洞口宽度", "b", "m", N::Optional, &I::openingWidth).byDefault("0"),
      Row("sjzl", "砂浆种类", "", "", N::Optional, nullptr)
          .choices(
              {{"混合砂浆", double(MortarKind::Mixed)}, {"水泥砂浆", double(MortarKind::Cement)}})
          .byDefault("混合砂浆"),
      Row("zlx", "砖类型", "", "", N::Optional, nullptr)
          .choices({{"烧结普通砖", double(BrickKind::Solid)},
                    {"烧结多孔砖", double(BrickKind::Perforated)}})
          .byDefault("烧结普通砖"),
  };
  std::vector<CheckField> v;
  for (const Row& row : rows) v.push_back(row.f);
  return v;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k)
    if (lowerAscii(a[k]) != lowerAscii(b[k])) return false;
  return true;
}

}  // namespace

const std::vector<CheckField>& checkFields() {
  static const std::vector<CheckField> all = table();
  return all;
}

const CheckField& checkField(std::string_view name) {
  for (const CheckField& f : checkFields())
    if (f.name == name) return f;
  throw std::invalid_argument("no check field " + std::string(name));
}

std::optional<Choice> choiceOf(const CheckField& field, std::string_view text) {
  for (const Choice& choice : field.choices)
    if (sameIgnoringCase(choice.word, text)) return choice;
  return std::nullopt;
}

CheckPresence checkPresence(const std::function<bool(const CheckField&)>& given,
                            bool optionalCounts) {
  CheckPresence p;
  bool height = false, storey = false;
  for (const CheckField& f : checkFields()) {
    p.checked = p.checked || ((optionalCounts || f.need != CheckNeed::Optional) && given(f));
    height = height || (f.need == CheckNeed::UnlessStorey && given(f));
    storey = storey || (f.need == CheckNeed::UnlessHeight && given(f));
  }
  if (!p.checked) return p;
  for (const CheckField& f : checkFields()) {
    const bool needed = f.need == CheckNeed::Always ||
                        (f.need == CheckNeed::UnlessStorey && !height && !storey) ||
                        (f.need == CheckNeed::UnlessHeight && !height && storey);
    if (needed && !given(f)) p.missing.push_back(&f);
  }
  return p;
}

WallCheckInputs checkInputs(const FieldText& text) {
  WallCheckInputs in;
  for (const CheckField& f : checkFields()) {
    std::string t = text(f.name);
    if (t.empty() && f.defaultText) t = f.defaultText;
    if (t.empty() && f.defaultField) t = text(f.defaultField);
    if (t.empty()) continue;
    const std::optional<Choice> choice = choiceOf(f, t);
    if (!f.choices.empty() && !choice)
      throw std::invalid_argument(std::string(f.words) + ": no choice " + t);
    const double value = choice ? choice->value : parseLeadingNumber(t).value;
    if (f.number) in.*f.number = value;
    if (f.name == std::string_view("jsgd")) in.h0 = value;
    if (f.name == std::string_view("sjzl")) in.mortar = MortarKind(int(value));
    if (f.name == std::string_view("zlx")) in.brick = BrickKind(int(value));
  }
  return in;
}

}  // namespace quarnel
