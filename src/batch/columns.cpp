#include "batch/columns.h"

#include <algorithm>

#include "calc/fields.h"
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

std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

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

std::optional<std::string> columnField(std::string_view name) {
  name = trimmed(name);
  for (const char* wall : kWallColumns)
    if (name == wall) return std::string();
  for (const FieldNames& f : fieldNames())
    if (std::find(f.names.begin(), f.names.end(), name) != f.names.end()) return f.field;
  return std::nullopt;
}

std::optional<WallType> wallOf(std::string_view cell) {
  for (const WallWord& w : wallWords())
    if (trimmed(cell) == w.word) return w.wall;
  return std::nullopt;
}

}  // namespace quarnel
