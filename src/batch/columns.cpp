#include "batch/columns.h"

#include <algorithm>

#include "calc/calculation.h"
#include "ui/window_table.h"

namespace quarnel {
namespace {

// Each field of an axis and the label beside it on the window. The partition fields of the
// interior wall have none: their labels repeat in both side frames, so only their captions as the
// calculation names them (with the frame's caption in front) name them.
struct FieldRow {
  const char* field;
  const char* label;
};
constexpr FieldRow kRows[] = {
    {"zxh", "Label16"}, {"zrz", "Label1"},     {"crz", "Label3"},     {"lmhh", "Label6"},
    {"lmdh", "Label8"}, {"wmhh", "Label10"},   {"wmdh", "Label12"},   {"gqsl", "Label9"},
    {"nrq", "Label4"},  {"yttccd", "Label14"}, {"ytzcd", "Label15"},  {"gqc1", nullptr},
    {"gqds1", nullptr}, {"gqc2", nullptr},     {"gqds2", nullptr},    {"zscg", "Label17"},
    {"qcs", "Label18"}, {"hhjscs", "Label19"}, {"zjxs", "Label26"},   {"zsqh", "Label22"},
    {"qcd", "Label24"}, {"mcmj", "Label25"},   {"lmjscd", "Label27"},
};

// The wall-type words, each with the option it selects; the Chinese ones are the options' captions.
struct WallWord {
  std::string word;
  const char* option;
};
const std::vector<WallWord>& wallWords() {
  static const std::vector<WallWord> words = {
      {findControl(mainWindow(), "optwq")->caption, "optwq"},
      {findControl(mainWindow(), "Optnq")->caption, "Optnq"},
      {"exterior", "optwq"},
      {"interior", "Optnq"}};
  return words;
}

void addName(std::vector<std::string>& names, std::string name) {
  if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(std::move(name));
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
    for (const FieldRow& row : kRows) {
      FieldNames f{row.field, {row.field}};
      if (row.label) {
        std::string caption = findControl(mainWindow(), row.label)->caption;
        addName(f.names, caption);
        caption.erase(std::remove(caption.begin(), caption.end(), ' '), caption.end());
        addName(f.names, caption);
      }
      for (const InputField& input : inputFields())
        if (f.field == input.name) addName(f.names, input.caption);
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

std::optional<std::string> wallOption(std::string_view cell) {
  for (const WallWord& w : wallWords())
    if (trimmed(cell) == w.word) return w.option;
  return std::nullopt;
}

}  // namespace quarnel
