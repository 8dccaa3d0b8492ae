// Arbitrary bytes as the table of quarnel-batch, appended to a scratch report file: either the run
// succeeds, prints one line per axis and the file grows by the header(s) and one section per axis,
// holding no control byte but the line ends, or it fails, lists its problems and the file keeps its
// bytes. Never a crash, a usage error or a partial append. A run that succeeds also makes the
// calculation document (in memory), whose text holds every axis label as typed: each <, &, >,
// quote and apostrophe of a cell escaped.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#include "batch/batch.h"
#include "batch/run.h"
#include "document/document.h"
#include "report/report_sections.h"

namespace {

// The text of a page (tags dropped, the style sheet skipped, the five references read back, <br>
// a line feed), or nothing when a '<' opens no tag, a '&' no reference of the five, or a '>', '"'
// or '\'' stands in the text: a user's text not escaped.
std::optional<std::string> pageText(const std::string& html) {
  static const std::pair<std::string_view, char> kReferences[] = {
      {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&#39;", '\''}};
  std::string text;
  for (std::size_t k = 0; k < html.size();) {
    const char c = html[k];
    if (c == '<') {
      std::size_t end = html.find('>', k);
      if (end == std::string::npos || html.find('<', k + 1) < end) return std::nullopt;
      const std::string_view tag(html.data() + k, end - k + 1);
      if (tag == "<br>") text += '\n';
      if (tag == "<style>") end = html.find("</style>", k) + 7;
      k = end + 1;
    } else if (c == '&') {
      auto ref = std::find_if(std::begin(kReferences), std::end(kReferences), [&](const auto& r) {
        return html.compare(k, r.first.size(), r.first) == 0;
      });
      if (ref == std::end(kReferences)) return std::nullopt;
      text += ref->second, k += ref->first.size();
    } else if (c == '>' || c == '"' || c == '\'') {
      return std::nullopt;
    } else {
      text += c, ++k;
    }
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // One file for the whole run, removed at its end, cut back to its first bytes after each input:
  // emptied and written anew, it would be written to the disk at each close (ext4 does so to keep
  // a file replaced in place), which would take most of the time.
  const std::string before = "earlier\r\n", rule = "\r\n" + std::string(quarnel::kRule) + "\r\n";
  static const struct Scratch {
    std::string path = "/tmp/quarnel-fuzz-batch-" + std::to_string(getpid()) + ".txt";
    explicit Scratch(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    ~Scratch() { std::remove(path.c_str()); }
  } scratch(before);
  const std::string& path = scratch.path;
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out, err;
  const int status = quarnel::runBatch({"-o", path, "-"}, in, out, err);
  std::ifstream file(path, std::ios::binary);
  const std::string after{std::istreambuf_iterator<char>(file), {}};
  if (after.size() > before.size() && truncate(path.c_str(), off_t(before.size())) != 0)
    std::abort();

  // Every section ends with a rule line and each header holds three (a header starts the report and
  // comes again where the basic data change); no field makes a whole line. The printed lines are
  // the caption line and one per axis.
  std::size_t rules = 0, lines = 0;
  for (std::size_t k = after.find(rule); k != std::string::npos; k = after.find(rule, k + 1))
    ++rules;
  for (char c : out.str()) lines += c == '\n';
  const bool appended =
      after.compare(0, before.size() + rule.size() - 2, before + rule.substr(2)) == 0 &&
      lines > 1 && rules >= lines + 2 && (rules - (lines - 1)) % 3 == 0 &&
      std::none_of(after.begin() + before.size(), after.end(), [](char c) {
        return (c >= 0 && c < ' ' && c != '\r' && c != '\n') || c == 0x7F;
      });
  if (status == 0 ? !(after == before && lines == 1) && !appended
                  : status != 1 || after != before || err.str().compare(0, 2, "-:") != 0)
    std::abort();
  if (status != 0 || lines <= 1) return 0;

  // The document of the same axes; a label with no control character but line breaks shows in its
  // text as typed (a CR LF or CR as a line feed).
  const quarnel::TableText text =
      quarnel::tableText(std::string(reinterpret_cast<const char*>(data), size));
  const quarnel::AxesRun run = quarnel::runAxes(quarnel::parseCsv(*text.text), {});
  const quarnel::DocumentInfo info{"<&\"'>", "2026-01-15", "t.csv", "", "p", {"外墙", "内墙"}};
  const quarnel::CalculationDocument doc = quarnel::calculationDocument(info, run.axes);
  const std::optional<std::string> page = pageText(doc.html);
  if (!doc.problems.empty()) return 0;
  if (!page) std::abort();
  for (const quarnel::Axis& a : run.axes) {
    std::string label;
    for (std::size_t k = 0; k < a.label.size(); ++k)
      if (a.label[k] != '\r')
        label += a.label[k];
      else if (k + 1 == a.label.size() || a.label[k + 1] != '\n')
        label += '\n';
    bool plain = true;  // no control character (C0 but line feed and tab, DEL, C1)
    for (std::size_t k = 0; k < label.size(); ++k) {
      const auto b = static_cast<unsigned char>(label[k]);
      plain &= (b >= 0x20 || b == '\n' || b == '\t') && b != 0x7F &&
               !(b == 0xC2 && k + 1 < label.size() && (unsigned char)label[k + 1] < 0xA0);
    }
    if (plain && page->find(label) == std::string::npos) std::abort();
  }
  return 0;
}
