// quarnel-batch -d: the document of a good table written whole in place of the file, never of a
// table with an error; the options of the document and the files it may not name; its date.
#include <gtest/gtest.h>

#include <cstdlib>

#include "../common/test_support.h"
#include "batch/batch.h"
#include "batch/dates.h"
#include "run_support.h"

namespace quarnel::test {
namespace {

void setEnvironment(const char* name, const char* value) {
#ifdef _WIN32
  _putenv_s(name, value ? value : "");
#else
  value ? setenv(name, value, 1) : unsetenv(name);
#endif
}

TEST(DocumentDate, ARealDayOrTheDayOfSourceDateEpoch) {
  for (const char* day : {"2024-02-29", "2000-02-29", "0001-01-01", "9999-12-31", "2026-04-30"})
    EXPECT_TRUE(calendarDate(day)) << day;
  for (const char* day : {"2023-02-29", "1900-02-29", "2024-04-31", "2024-13-01", "2024-00-10",
                          "0000-01-01", "2024-4-1", "2024/04/01", "2024-04-01 ", "２０２４-04-01"})
    EXPECT_FALSE(calendarDate(day)) << day;
  // Known answers of date -u -d @SECONDS +%F ("": none).
  const std::pair<const char*, const char*> epochs[] = {{"0", "1970-01-01"},
                                                        {"951782400", "2000-02-29"},
                                                        {"1700000000", "2023-11-14"},
                                                        {"4107542399", "2100-02-28"},
                                                        {"253402300799", "9999-12-31"},
                                                        {"253402300800", ""},
                                                        {"", ""},
                                                        {"-1", ""},
                                                        {"1.5e9", ""},
                                                        {" 1700000000", ""}};
  for (const auto& [seconds, day] : epochs)
    EXPECT_EQ(epochDate(seconds).value_or(""), day) << seconds;
}

// Each row: the arguments ("@" the scratch folder, where r.txt holds a report and doc.html an
// earlier document), SOURCE_DATE_EPOCH, the exit status, what standard error says, and whether the
// report grew and what the document holds after (empty: it is as it was).
TEST(Batch, WritesTheDocumentOfAGoodTableWholeOrNotAtAll) {
  const std::string good = kData + "worked_examples.csv", bad = "@bad.csv";
  const struct {
    std::vector<std::string> args;
    const char* epoch;
    int status;
    std::string err;
    bool appended;
    std::vector<std::string> document;
  } rows[] = {
      {{"-d", "@doc.html", good},
       "1700000000",
       0,
       "2 条轴线的计算书已写入 @r.txt，HTML 计算书已写入 @doc.html\n",
       true,
       {"<title>worked_examples 计算书</title>", "2023-11-14", "worked_examples.csv", "359.889",
        "312.726"}},
      {{"-n", "--document", "@doc.html", "--title", "三号楼\n<b>", "--date", "2024-02-29", good},
       "x",
       0,
       "试算：2 条轴线，计算书没有写入，HTML 计算书已写入 @doc.html。\n",
       false,
       {"三号楼<br>&lt;b&gt;", ">2024-02-29<", "272.489", "236.386"}},
      {{"-d", "@doc.html", bad}, nullptr, 1, "bad.csv:3: qcd: 墙长度输入错!\n表格有错", false, {}},
      {{"-d", "@no-such-folder/doc.html", good}, nullptr, 1, "HTML 计算书写入失败", false, {}},
      // A folder cannot be replaced: found only after the report is in, which the message says.
      {{"-d", "@", good}, nullptr, 1, "HTML 计算书写入失败：@\n原因：", true, {}},
      {{"-d", "@doc.html", "@empty.csv"}, nullptr, 0, "HTML 计算书也没有写入", false, {}},
      {{"-d", "@./r.txt", good}, nullptr, 2, "HTML 计算书 @./r.txt 就是计算书文件", false, {}},
      {{"-d", "@sub/../bad.csv", bad}, nullptr, 2, "就是表格", false, {}},
      {{"-r", "@doc.html", "-d", "@doc.html", good}, nullptr, 2, "就是结果文件", false, {}},
      {{"-d", "@doc.html", "--date", "2023-02-29", good}, nullptr, 2, "实际存在的日期", false, {}},
      {{"-d", "@doc.html", good}, "1700000000x", 2, "SOURCE_DATE_EPOCH", false, {}},
      {{"--title", "T", good}, nullptr, 2, "--title 只用于 -d", false, {}},
      {{"-d", "@doc.html", "--title", "", good}, nullptr, 2, "--title 不能为空", false, {}},
      {{"-d", "@doc.html", "--document", "@d2.html", good}, nullptr, 2, "只能给出一次", false, {}},
      {{good, "-d"}, nullptr, 2, "-d 后面缺少文件名", false, {}}};
  for (const auto& row : rows) {
    ScratchDir dir;
    const std::string at = dir.path.u8string() + "/";
    auto scratch = [&](std::string s) {
      for (auto k = s.find('@'); k != std::string::npos; k = s.find('@', k)) s.replace(k, 1, at);
      return s;
    };
    writeBytes(dir.file("r.txt"), "earlier\r\n");
    writeBytes(dir.file("doc.html"), "earlier document");
    const std::string worked = readBytes(good), header = worked.substr(0, worked.find('\n') + 1);
    writeBytes(dir.file("bad.csv"), worked.substr(0, worked.find('\n', header.size()) + 1) +
                                        "B,,,,,,,,,,,,,,,,,,,,,0,,\n");
    writeBytes(dir.file("empty.csv"), header);
    fs::create_directory(dir.path / "sub");
    std::vector<std::string> args = {"-o", scratch("@r.txt")};
    for (const std::string& a : row.args) args.push_back(scratch(a));
    setEnvironment("SOURCE_DATE_EPOCH", row.epoch);
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(runBatch(args, in, out, err), row.status) << err.str();
    setEnvironment("SOURCE_DATE_EPOCH", nullptr);
    EXPECT_NE(err.str().find(scratch(row.err)), std::string::npos) << err.str();
    EXPECT_EQ(readBytes(dir.file("r.txt")).size() > 9, row.appended) << err.str();
    const std::string doc = readBytes(dir.file("doc.html"));
    EXPECT_TRUE(!row.document.empty() || doc == "earlier document") << doc;
    for (const std::string& part : row.document)
      EXPECT_NE(doc.find(part), std::string::npos) << part;
    std::size_t files = 0;  // no temporary file stays
    for (const auto& entry : fs::directory_iterator(dir.path)) files += entry.is_regular_file();
    EXPECT_EQ(files, 4u) << err.str();
  }
}

#ifndef _WIN32
TEST(Batch, TheDocumentIsNeverTheDefaultReportFile) {
  ScratchDir dir;
  const char* home = std::getenv("HOME");
  const std::string saved = home ? home : "";
  setEnvironment("HOME", dir.path.u8string().c_str());
  writeBytes(dir.file("Quarnel书.txt"), "earlier\r\n");
  std::istringstream in;
  std::ostringstream out, err;
  const int status = runBatch(
      {"-n", "-d", dir.file("Quarnel书.txt"), kData + "worked_examples.csv"}, in, out, err);
  setEnvironment("HOME", saved.c_str());
  EXPECT_EQ(status, 2);
  EXPECT_EQ(readBytes(dir.file("Quarnel书.txt")), "earlier\r\n");
}
#endif

}  // namespace
}  // namespace quarnel::test
