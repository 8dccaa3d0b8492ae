// What the tests share: scratch folders, file bytes, report parts, field texts and worked examples.
#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include "calc/fields.h"
#include "report/gbk.h"
#include "ui/handlers.h"
#include "ui/window.h"

namespace quarnel::test {

namespace fs = std::filesystem;

// A fresh folder with a random name in the temporary folder, removed with its contents at the end.
struct ScratchDir {
  fs::path path = fs::temp_directory_path() / ("quarnel-" + std::to_string(std::random_device()()));
  ScratchDir() { fs::create_directories(path); }
  ~ScratchDir() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
  std::string file(const std::string& name) const { return (path / fs::u8path(name)).u8string(); }
};

inline std::string readBytes(const std::string& path) {
  std::ifstream in(fs::u8path(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(fs::u8path(path), std::ios::binary) << bytes;
}

// A golden report part in GBK, written by hand from the report's line layout (report/golden/).
inline std::string golden(const std::string& name) {
  return toGbk(readBytes(QUARNEL_TEST_DATA "/report/golden/" + name));
}

using Texts = std::map<std::string, std::string, std::less<>>;
using Results = std::vector<std::string>;

// Field texts written as "name=text name=text ..." (texts without blanks).
inline Texts texts(const std::string& list) {
  Texts out;
  std::istringstream in(list);
  for (std::string item; in >> item;)
    out[item.substr(0, item.find('='))] = item.substr(item.find('=') + 1);
  return out;
}

inline void setTexts(Window& w, const Texts& texts) {
  for (const auto& [name, text] : texts) w.setText(name, text);
}

inline Results results(const Window& w) {
  Results shown;
  for (const Field* result : fieldsOf(FieldKind::Result)) shown.push_back(w.text(result->name));
  return shown;
}

// A report click that appends to the file at path, without a second place.
inline void reportClick(Window& w, const std::string& path) {
  ReportFiles files{path, {}};
  Cmdjss_Click(w, files);
}

struct Example {
  bool interior;
  Texts texts;  // typed over the default window
  Results results;
};

inline const std::vector<Example>& workedExamples() {
  const std::string common =
      "zrz=22 crz=0.45 lmhh=2.0 lmdh=3.60 wmhh=0.7 wmdh=7.0 zscg=2.9 qcs=6 "
      "hhjscs=5 zjxs=0.65 qcd=6.6 ";
  static const std::vector<Example> examples = {
      {false,
       texts(common + "gqsl=1 nrq=6.858 yttccd=1.2 ytzcd=3.6 zsqh=0.37 mcmj=3.78 lmjscd=3.3"),
       {"244.219", "43.492", "28.27", "332.64"}},
      {true,
       texts(common + "gqc1=3.3 gqds1=1 gqc2=2.4 gqds2=2 zsqh=0.24 mcmj=1.89 lmjscd=3.9"),
       {"209.261", "41.73", "27.124", "289.088"}}};
  return examples;
}

}  // namespace quarnel::test
