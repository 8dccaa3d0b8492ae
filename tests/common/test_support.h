// What the tests share: scratch folders, file bytes, and the two worked examples of the
// calculation.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "ui/window.h"

namespace quarnel::test {

// A fresh folder with a random name under the system's temporary folder, removed at the end.
class ScratchDir {
 public:
  ScratchDir() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("quarnel-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  std::string file(const std::string& name) const { return (path_ / name).u8string(); }

 private:
  std::filesystem::path path_;
};

inline std::string readBytes(const std::string& path) {
  std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(std::filesystem::u8path(path), std::ios::binary) << bytes;
}

using Texts = std::vector<std::pair<std::string, std::string>>;
using Results = std::vector<std::string>;

// The worked examples: the texts typed over the default window, and the four results shown.
struct Example {
  const char* name;
  bool interior;
  Texts texts;
  Results results;
};

inline Texts with(Texts base, const Texts& more) {
  base.insert(base.end(), more.begin(), more.end());
  return base;
}

inline const std::vector<Example>& workedExamples() {
  static const Texts common = {{"zrz", "22"},   {"crz", "0.45"},  {"lmhh", "2.0"}, {"lmdh", "3.60"},
                               {"wmhh", "0.7"}, {"wmdh", "7.0"},  {"zscg", "2.9"}, {"qcs", "6"},
                               {"hhjscs", "5"}, {"zjxs", "0.65"}, {"qcd", "6.6"}};
  static const std::vector<Example> examples = {{"exterior",
                                                 false,
                                                 with(common, {{"gqsl", "1"},
                                                               {"nrq", "6.858"},
                                                               {"yttccd", "1.2"},
                                                               {"ytzcd", "3.6"},
                                                               {"zsqh", "0.37"},
                                                               {"mcmj", "3.78"},
                                                               {"lmjscd", "3.3"}}),
                                                 {"244.219", "43.492", "28.27", "332.64"}},
                                                {"interior",
                                                 true,
                                                 with(common, {{"gqc1", "3.3"},
                                                               {"gqds1", "1"},
                                                               {"gqc2", "2.4"},
                                                               {"gqds2", "2"},
                                                               {"zsqh", "0.24"},
                                                               {"mcmj", "1.89"},
                                                               {"lmjscd", "3.9"}}),
                                                 {"209.261", "41.73", "27.124", "289.088"}}};
  return examples;
}

inline void setTexts(Window& w, const Texts& texts) {
  for (const auto& [name, text] : texts) w.setText(name, text);
}

inline Results results(const Window& w) {
  return {w.text("dhz"), w.text("hhz"), w.text("zjhh"), w.text("hzsjz")};
}

}  // namespace quarnel::test
