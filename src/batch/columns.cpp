#include "batch/columns.h"

#include <algorithm>
#include <map>

#include "batch/text.h"
#include "calc/check_fields.h"
#include "calc/fields.h"
#include "calc/utf8.h"
#include "ui/window_table.h"

namespace quarnel {
namespace {

// The wall-type words, each with the wall type it selects; the Chinese ones are the options'
// captions.
struct WallWord {
  std::string word;
  WallType wall;
};
const std::vector<WallWord>& wallWords() {
  static const std::vector<WallWord> words = {
      {optionFor(WallType::Exterior).caption, WallType::Exterior},
      {optionFor(WallType::Interior).caption, WallType::Interior},
      {"exterior", WallType::Exterior},
      {"interior", WallType::Interior}};
  return words;
}

// A name as names are compared: letters in lower case, without blanks and line breaks.
std::string nameKey(std::string_view name) {
  std::string key;
  for (char c : name)
    if (c != ' ' && c != '\r' && c != '\n') key += lowerAscii(c);
  return key;
}

// The field or check input that the name names, as a column, with its unit; or nothing.
struct Named {
  Column column;
  std::string unit;
};
std::optional<Named> named(std::string_view name) {
  static const std::map<std::string, Named> byKey = [] {
    std::map<std::string, Named> keys;
    for (const FieldNames& f : fieldNames())
      for (const std::string& known : f.names)
        keys.emplace(nameKey(known), Named{{Column::Field, f.field}, field(f.field).unit});
    for (const FieldNames& f : checkNames())
      for (const std::string& known : f.names)
        keys.emplace(nameKey(known), Named{{Column::Check, f.field}, checkField(f.field).unit});
    return keys;
  }();
  const auto found = byKey.find(nameKey(name));
  if (found == byKey.end()) return std::nullopt;
  return found->second;
}

// A unit in brackets at the end of a column name: the text in them, and the name before them.
struct Unit {
  bool found = false;
  std::string_view text, before;
};
Unit unitAtEnd(std::string_view name) {
  static const std::pair<std::string_view, std::string_view> kBrackets[] = {
      {"(", ")"}, {"（", "）"}, {"[", "]"}};
  for (const auto& [open, close] : kBrackets) {
    if (name.size() < close.size() || name.substr(name.size() - close.size()) != close) continue;
    const std::size_t at = name.rfind(open);
    if (at == std::string_view::npos) continue;
    const std::size_t from = at + open.size();
    return {true, trimmed(name.substr(from, name.size() - close.size() - from)),
            trimmed(name.substr(0, at))};
  }
  return {};
}

void addName(std::vector<std::string>& names, std::string name) {
  if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(std::move(name));
}

// Whether another field's caption is the same: then the caption names neither.
bool sharedCaption(const Field& f) {
  return std::count_if(fields().begin(), fields().end(), [&f](const Field& other) {
           return std::string_view(other.caption) == f.caption;
         }) > 1;
}

}  // namespace

const std::vector<FieldNames>& fieldNames() {
  static const std::vector<FieldNames> all = [] {
    std::vector<FieldNames> v;
    for (const Field& field : fields()) {
      if (field.kind == FieldKind::Result) continue;
      FieldNames f{field.name, {field.name}};
      if (!sharedCaption(field)) {
        addName(f.names, field.caption);
        addName(f.names, withoutBlanks(field.caption));
      }
      addName(f.names, wordsOf(field));
      v.push_back(std::move(f));
    }
    return v;
  }();
  return all;
}

const std::vector<FieldNames>& checkNames() {
  static const std::vector<FieldNames> all = [] {
    std::vector<FieldNames> v;
    for (const CheckField& f : checkFields()) v.push_back({f.name, {f.name, f.words}});
    return v;
  }();
  return all;
}

ColumnName columnNamed(std::string_view cell) {
  const std::string_view name = trimmed(cell);
  if (!name.empty() && name[0] == '#') return {Column{Column::Notes, ""}, ""};
  for (const char* notes : kNoteColumns)
    if (name.substr(0, std::string_view(notes).size()) == notes)
      return {Column{Column::Notes, ""}, ""};
  for (const char* wall : kWallColumns)
    if (nameKey(name) == wall) return {Column{Column::Wall, ""}, ""};
  if (const std::optional<Named> f = named(name)) return {f->column, ""};
  const Unit unit = unitAtEnd(name);
  const std::optional<Named> f = unit.found ? named(unit.before) : std::nullopt;
  if (!f) return {std::nullopt, "未知的列名" + quoted(cell)};
  const Column column = f->column;
  const std::string& own = f->unit;
  if (sameUnit(unit.text, own)) return {column, ""};
  return {column, own.empty() ? "列" + quoted(name) + "的数值没有单位"
                              : "列" + quoted(name) + "的单位应为 " + own};
}

std::optional<WallType> wallOf(std::string_view cell) {
  const std::string word = nameKey(trimmed(cell));
  for (const WallWord& w : wallWords())
    if (word == w.word) return w.wall;
  return std::nullopt;
}

}  // namespace quarnel
